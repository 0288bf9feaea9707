// The About dialog as a user meets it: its texts at each opening, how it closes, the owner it
// blocks and stands over, and System Info by Alt+S.
#include "app/application.h"
#include "app/window_system.h"
#include "ui/about/pin_about.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>
#include <QtTest>
#include <functional>

namespace {

// Calls `action` with the next modal `Window` once it is up, then closes the window; call it before
// what opens the window. One that does not come up within five seconds fails the test.
template <typename Window>
void whenModalOpens(std::function<void(Window&)> action) {
    // A repeating timer, not a wait: a window opened inside the wait would stall it.
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [=, ticks = 0]() mutable {
        auto* modal = qobject_cast<Window*>(QApplication::activeModalWidget());
        const bool up = modal && modal->isActiveWindow();
        if (!up && ++ticks < 500) {
            return;
        }
        poll->deleteLater();
        poll->stop();
        QVERIFY2(up, "no modal window came up");
        action(*modal);
        modal->close();
    });
    poll->start(10);
}

enum class CloseBy { okClick, enter, esc, closeButton };

} // namespace

Q_DECLARE_METATYPE(CloseBy)

class PinAboutTest : public QObject {
    Q_OBJECT

    QLineEdit owner_; // stands in for the main window

private slots:
    void initTestCase() {
        owner_.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner_));
    }

    void opensAndCloses_data() {
        QTest::addColumn<CloseBy>("closeBy");
        QTest::newRow("OK clicked") << CloseBy::okClick;
        QTest::newRow("Enter") << CloseBy::enter;
        QTest::newRow("Esc") << CloseBy::esc;
        QTest::newRow("close button") << CloseBy::closeButton;
    }

    // One dialog opened twice, the owner moved in between.
    void opensAndCloses() {
        QFETCH(CloseBy, closeBy);
        ui::PinAbout about(&owner_, [] {});
        for (const QPoint ownerAt : {QPoint(40, 40), QPoint(260, 170)}) {
            owner_.move(ownerAt);
            whenModalOpens<ui::PinAbout>([&](ui::PinAbout& dialog) {
                const auto text = [&](const char* label) {
                    return dialog.findChild<QLabel*>(label)->text();
                };
                QCOMPARE(dialog.windowTitle(), QStringLiteral("关于Tovrel ")); // its blank included
                QCOMPARE(text("lblTitle"), QStringLiteral("Tovrel 2005"));
                QCOMPARE(text("lblVersion"), QStringLiteral("版本 1.0.0"));
                QVERIFY(
                    text("lblDescription")
                        .startsWith("    本软件用于机床夹具设计中，定位削边销尺寸的参考计算。"));
                QVERIFY(text("lblDisclaimer").startsWith("警告: "));
                QCOMPARE(QApplication::focusWidget(), dialog.findChild<QWidget*>("cmdOK"));
                QCOMPARE(dialog.size(), QSize(479, 300));
                const QPoint offCentre =
                    dialog.frameGeometry().center() - owner_.frameGeometry().center();
                QVERIFY(offCentre.manhattanLength() <= 1);   // over the owner wherever it stands
                QTest::keyClick(owner_.windowHandle(), '6'); // must not reach the owner
                if (closeBy == CloseBy::okClick) {
                    QTest::mouseClick(dialog.findChild<QWidget*>("cmdOK"), Qt::LeftButton);
                } else if (closeBy == CloseBy::closeButton) {
                    dialog.windowHandle()->close(); // what the title bar's close button asks for
                } else {
                    QTest::keyClick(QApplication::focusWidget(),
                                    closeBy == CloseBy::enter ? Qt::Key_Return : Qt::Key_Escape);
                }
                QVERIFY(!dialog.isVisible());
            });
            app::showModal(about, owner_);
        }
        QTest::keyClick(owner_.windowHandle(), '7'); // the owner takes input again
        QCOMPARE(owner_.text(), QStringLiteral("7"));
        owner_.clear();
    }

    // The real launcher: no viewer is registered on this platform, so it answers with its message.
    void altSShowsUnavailableMessage() {
        ui::PinAbout about(&owner_);
        whenModalOpens<ui::PinAbout>([](ui::PinAbout& dialog) {
            bool answered = false;
            whenModalOpens<QMessageBox>([&](QMessageBox& box) {
                QCOMPARE(box.text(), QStringLiteral("此时系统信息不可用"));
                answered = true;
            });
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(answered);
            QCOMPARE(QApplication::activeModalWidget(), &dialog); // still open
        });
        app::showModal(about, owner_);
    }
};

int main(int argc, char** argv) {
    app::Application application(argc, argv); // the program's fonts and icon
    PinAboutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pin_about_test.moc"
