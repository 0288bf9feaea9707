// The About dialog as a user meets it: the window and its texts at each opening, how it closes,
// the owner it blocks, System Info by Alt+S, and where each control stands and how it looks.
#include "app/application.h"
#include "app/window_system.h"
#include "ui/about/pin_about.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// Calls `action` with the next modal `Window` once it is up, then closes the window; call it before
// what opens the window. One that does not come up within five seconds fails the test, which then
// ends instead of hanging.
template <typename Window>
void whenModalOpens(std::function<void(Window&)> action) {
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

struct ControlLook {
    const char* name;
    QRectF twips; // a line covers its last pixel too: X2 − X1 + 15 wide
    const char* font;
    QColor colour; // of a label's text or of a line
};

const ControlLook controlLooks[] = {
    {"picIcon", {0, 0, 1410, 4500}, "宋体 9", {}},
    {"cmdOK", {5880, 3600, 1183, 345}, "宋体 9", {}},
    {"cmdSysInfo", {5880, 4080, 1183, 345}, "宋体 9", {}},
    {"Line1_1", {1530, 3405, 7094 - 1530 + 15, 15}, "宋体 9", QColor(128, 128, 128)},
    {"lblDescription", {1800, 1800, 5205, 1410}, "宋体 9", QColor(0, 0, 0)},
    {"lblTitle", {1770, 480, 5205, 480}, "Arial 12 bold", QColor(255, 0, 0)},
    {"Line1_0", {1545, 3420, 7094 - 1545 + 15, 30}, "宋体 9", QColor(255, 255, 255)},
    {"lblVersion", {1770, 1200, 3885, 225}, "宋体 9", QColor(Qt::blue)}, // the palette's
    {"lblDisclaimer", {1680, 3600, 4095, 825}, "宋体 9", QColor(0, 0, 0)},
};

} // namespace

Q_DECLARE_METATYPE(CloseBy)
Q_DECLARE_METATYPE(ControlLook)

class PinAboutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QLineEdit> owner_;    // stands in for the main window
    std::unique_ptr<ui::PinAbout> about_; // System Info does nothing here

private slots:
    void init() {
        owner_ = std::make_unique<QLineEdit>();
        owner_->setGeometry(40, 40, 400, 260);
        owner_->show();
        QVERIFY(QTest::qWaitForWindowActive(owner_.get()));
        about_ = std::make_unique<ui::PinAbout>(owner_.get(), [] {});
    }

    void cleanup() {
        about_.reset();
        owner_.reset();
    }

    void opensAndCloses_data() {
        QTest::addColumn<CloseBy>("closeBy");
        QTest::newRow("OK clicked") << CloseBy::okClick;
        QTest::newRow("Enter") << CloseBy::enter;
        QTest::newRow("Esc") << CloseBy::esc;
        QTest::newRow("close button") << CloseBy::closeButton;
    }

    // Opened twice; in between the owner moves and the focus is left elsewhere (not for Enter).
    void opensAndCloses() {
        QFETCH(CloseBy, closeBy);
        for (const QPoint ownerAt : {QPoint(40, 40), QPoint(260, 170)}) {
            owner_->move(ownerAt);
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
                    dialog.frameGeometry().center() - owner_->frameGeometry().center();
                QVERIFY(offCentre.manhattanLength() <= 1);    // over the owner wherever it stands
                QTest::keyClick(owner_->windowHandle(), '6'); // must not reach the owner
                if (closeBy != CloseBy::enter) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                }
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
            app::showModal(*about_, *owner_);
        }
        QCOMPARE(owner_->text(), QString());
    }

    // The real launcher: no viewer is registered on this platform, so it answers with its message.
    void altSShowsUnavailableMessage() {
        ui::PinAbout about(owner_.get());
        bool answered = false;
        whenModalOpens<ui::PinAbout>([&](ui::PinAbout& dialog) {
            whenModalOpens<QMessageBox>([&](QMessageBox& box) {
                QCOMPARE(QStringList({box.windowTitle(), box.text()}),
                         QStringList({"Tovrel", "此时系统信息不可用"}));
                QCOMPARE(box.icon(), QMessageBox::NoIcon);
                QCOMPARE(box.standardButtons(), QMessageBox::Ok);
                QTest::keyClick(&box, Qt::Key_Return);
                answered = true;
            });
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(answered);
            QCOMPARE(QApplication::activeModalWidget(), &dialog); // still open
        });
        app::showModal(about, *owner_);
    }

    void controls_data() {
        QTest::addColumn<ControlLook>("look");
        for (const ControlLook& look : controlLooks) {
            QTest::newRow(look.name) << look;
        }
    }

    void controls() {
        QFETCH(ControlLook, look);
        // Black is a fixed colour, not the palette's text colour, which is made blue here.
        QPalette blueText = about_->palette();
        blueText.setColor(QPalette::WindowText, Qt::blue);
        about_->setPalette(blueText);
        about_->show();
        QVERIFY(QTest::qWaitForWindowExposed(about_.get()));
        QWidget* control = about_->findChild<QWidget*>(look.name);
        QVERIFY(control);

        QCOMPARE(control->geometry(),
                 QRectF(look.twips.topLeft() / 15, look.twips.size() / 15).toRect());
        const QFont font = control->font();
        const QString fontName = font.family() + ' ' + QString::number(font.pointSize());
        QCOMPARE(font.bold() ? fontName + " bold" : fontName, QString(look.font));
        if (look.colour.isValid()) {
            const QColor shown = qobject_cast<QLabel*>(control)
                                     ? control->palette().color(QPalette::WindowText)
                                     : control->grab().toImage().pixelColor(0, 0);
            QCOMPARE(shown, look.colour);
        }
    }
};

int main(int argc, char** argv) {
    app::Application application(argc, argv); // the program's fonts and icon
    PinAboutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pin_about_test.moc"
