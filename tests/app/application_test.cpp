#include "app/application.h"
#include "app/window_system.h"
#include "ui/pin/pin.h"

#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QMetaEnum>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
// Hands the next modal window to `inspect` from inside its event loop, then closes it with Esc.
void whenModalShown(const std::function<void(QWidget*)>& inspect) {
    QTimer::singleShot(10, qApp, [inspect] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            inspect(modal);
            QTest::keyClick(modal, Qt::Key_Escape);
        } else {
            whenModalShown(inspect);
        }
    });
}
} // namespace

// The application shell under the program's own application object.
class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void identityAndDialogFont() {
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Quarnest"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.0.0"));
        // The dialog font 宋体 resolves to an installed face that has the Chinese characters.
        QCOMPARE(QApplication::font().family(), QStringLiteral("宋体"));
        const auto song = QFontDatabase::writingSystems(QFontInfo(QApplication::font()).family());
        QVERIFY(song.contains(QFontDatabase::SimplifiedChinese));
    }

    void messageBoxCarriesTheTitleAndOkOnly_data() {
        QTest::addColumn<app::MessageStyle>("style");
        QTest::addColumn<QString>("icon");
        QTest::newRow("style 16") << app::MessageStyle::Critical << "Critical";
        QTest::newRow("style 0") << app::MessageStyle::OkOnly << "NoIcon";
    }

    void messageBoxCarriesTheTitleAndOkOnly() {
        QFETCH(app::MessageStyle, style);
        QFETCH(QString, icon);
        QStringList seen;
        whenModalShown([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->windowTitle()
                     << QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon())
                     << QMetaEnum::fromType<QMessageBox::StandardButtons>().valueToKey(
                            box->standardButtons().toInt())
                     << box->text();
            }
        });
        app::showMessage(QStringLiteral("此时系统信息不可用"), style);
        QCOMPARE(seen, (QStringList{"Tovrel", icon, "Ok", "此时系统信息不可用"}));
    }

    void modalIsCentredOverItsOwner() {
        QWidget owner;
        owner.setGeometry(37, 41, 689, 379); // away from the screen's centre
        owner.show();
        QDialog dialog;
        QList<bool> seen; // the dialog, owned by `owner`, modal, centred over it
        whenModalShown([&](QWidget* modal) {
            seen = {modal == &dialog, dialog.parentWidget() == &owner, dialog.isModal(),
                    dialog.frameGeometry().center() == owner.frameGeometry().center()};
        });
        app::showModal(dialog, owner);
        QCOMPARE(seen, QList<bool>(4, true));
    }

    // Last, as closing the window ends the run.
    void startUpShowsTheMainWindowAloneAndClosingItEndsWithStatusZero() {
        ui::Pin pin;
        app::showStartupWindow(pin);
        QTRY_COMPARE(QApplication::focusWidget(), pin.findChild<QWidget*>(QStringLiteral("Text1")));
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY(window == &pin || !window->isVisible());
        }
        QCOMPARE(pin.windowTitle(), QStringLiteral("Quarnest－Tovrel"));
        // The gear: transparent corner, opaque metal on the rim.
        for (int size : {16, 32, 48, 128}) {
            const QImage gear = pin.windowIcon().pixmap(size).toImage();
            QVERIFY(qAlpha(gear.pixel(0, 0)) == 0 && qAlpha(gear.pixel(size / 2, size / 6)) > 0);
        }
        const QPoint offCentre =
            pin.frameGeometry().center() - pin.screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        QTimer::singleShot(0, &pin, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }
};

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
