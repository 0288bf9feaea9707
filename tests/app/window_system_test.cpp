#include "app/window_system.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs `inspect` on the modal widget once one is shown, from inside its event loop; `inspect`
// records what it sees and closes the widget, the test checks afterwards.
void whenModalShown(std::function<void(QWidget*)> inspect) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            inspect(modal);
        }
    });
    poll->start(10);
}

struct SeenBox {
    bool isMessageBox = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    qsizetype buttonCount = 0;
};

int centreDistance(const QRect& a, const QRect& b) {
    return (a.center() - b.center()).manhattanLength();
}

} // namespace

class WindowSystemTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxCarriesTitleIconAndOkOnly_data() {
        QTest::addColumn<app::MessageStyle>("style");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("style 16") << app::MessageStyle::Critical << QMessageBox::Critical;
        QTest::newRow("style 0") << app::MessageStyle::OkOnly << QMessageBox::NoIcon;
    }

    void messageBoxCarriesTitleIconAndOkOnly() {
        QFETCH(app::MessageStyle, style);
        QFETCH(QMessageBox::Icon, icon);
        const QString prompt = QStringLiteral("此时系统信息不可用");
        SeenBox seen;
        whenModalShown([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen = {true,        box->windowTitle(),     box->text(),
                        box->icon(), box->standardButtons(), box->buttons().size()};
                QTest::keyClick(box, Qt::Key_Return);
            } else {
                modal->close();
            }
        });
        app::showMessage(prompt, style);

        QVERIFY(seen.isMessageBox);
        QCOMPARE(seen.caption, QStringLiteral("Tovrel"));
        QCOMPARE(seen.icon, icon);
        QCOMPARE(seen.text, prompt);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.buttonCount, 1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void startupWindowIsCentredWithFocusOnFirstControlThatTakesIt() {
        QWidget window;
        window.setFixedSize(689, 379);
        new QLabel(QStringLiteral("caption"), &window);
        auto* disabled = new QLineEdit(&window);
        disabled->setEnabled(false);
        auto* hidden = new QPushButton(&window);
        hidden->hide();
        auto* first = new QLineEdit(&window);
        auto* second = new QPushButton(QStringLiteral("OK"), &window);
        QWidget::setTabOrder(first, second);

        app::showStartupWindow(window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QVERIFY(!window.isModal());
        // The frame is only known once the window is shown: centred to within its margins.
        const QRect available = window.screen()->availableGeometry();
        QVERIFY2(centreDistance(window.frameGeometry(), available) <= 3,
                 qPrintable(QString::number(centreDistance(window.frameGeometry(), available))));
        QTRY_COMPARE(QApplication::focusWidget(), first);
    }

    void modalWindowIsCentredOverItsOwnerWhereverItStands() {
        QWidget owner;
        owner.resize(689, 379);
        owner.move(37, 41);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QDialog dialog;
        dialog.setFixedSize(479, 300);

        for (const QPoint ownerPlace : {QPoint(37, 41), QPoint(120, 90)}) {
            owner.move(ownerPlace);
            QPointer<QWidget> modalSeen;
            QWidget* parentSeen = nullptr;
            Qt::WindowModality modalitySeen = Qt::NonModal;
            int offCentre = -1;
            whenModalShown([&](QWidget* modal) {
                modalSeen = modal;
                parentSeen = dialog.parentWidget();
                modalitySeen = dialog.windowModality();
                offCentre = centreDistance(dialog.frameGeometry(), owner.frameGeometry());
                modal->close();
            });
            app::showModal(dialog, owner);

            QCOMPARE(modalSeen.data(), &dialog);
            QCOMPARE(parentSeen, &owner);
            QCOMPARE(modalitySeen, Qt::ApplicationModal);
            QVERIFY2(offCentre >= 0 && offCentre <= 2, qPrintable(QString::number(offCentre)));
            QVERIFY(!dialog.isVisible());
            QVERIFY(!QApplication::activeModalWidget());
        }
    }
};

QTEST_MAIN(WindowSystemTest)
#include "window_system_test.moc"
