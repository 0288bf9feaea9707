// How the About dialog opens, what it says when it has loaded, how it closes, and how it starts
// System Info, driven through the real widgets and the window-system layer.
#include "app/window_system.h"
#include "dialog_test_support.h"
#include "ui/about/pin_about.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QWindow>

namespace {

using dialog_test::whenModalOpens;

// A main window stand-in: a button and a text box that must take no input while the dialog is
// open.
class Owner : public QWidget {
public:
    Owner() {
        setWindowTitle(QStringLiteral("owner"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(&input);
        layout->addWidget(&button);
        resize(400, 260);
        connect(&button, &QPushButton::clicked, this, [this] { ++buttonClicks; });
    }

    QLineEdit input;
    QPushButton button{QStringLiteral("按钮")};
    int buttonClicks = 0;
};

// The texts a user sees: the caption and every label.
struct ShownTexts {
    QString caption, title, version, description, disclaimer;
    bool operator==(const ShownTexts&) const = default;
};

QLabel& label(ui::PinAbout& about, const char* name) {
    return dialog_test::control<QLabel>(about, name);
}

QPushButton& button(ui::PinAbout& about, const char* name) {
    return dialog_test::control<QPushButton>(about, name);
}

ShownTexts shownTexts(ui::PinAbout& about) {
    return {about.windowTitle(), label(about, "lblTitle").text(), label(about, "lblVersion").text(),
            label(about, "lblDescription").text(), label(about, "lblDisclaimer").text()};
}

// Clicks at the centre of `widget` the way the window system delivers a click to its window, so
// that modality applies.
void clickAsUser(QWidget& widget) {
    QWindow* window = widget.window()->windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      widget.mapTo(widget.window(), widget.rect().center()));
}

void showOwner(Owner& owner, QPoint at) {
    owner.move(at);
    owner.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
}

enum class CloseBy { OkClick, Enter, Esc, CloseButton };

} // namespace

Q_DECLARE_METATYPE(CloseBy)

class PinAboutTest : public QObject {
    Q_OBJECT

private slots:
    void holdsDesignTextsUntilLoaded();
    void loadSetsCaptionVersionAndTitle();
    void descriptionAndWarningTexts();
    void opensWithFocusOnOk();
    void tabMovesBetweenTheTwoButtonsOnly();
    void closes_data();
    void closes();
    void reopeningLoadsTheSameTexts();
    void ownerTakesNoInputWhileOpen();
    void centredOverOwnerWhereverItMoved();
    void sysInfoRunsAndDialogStaysOpen_data();
    void sysInfoRunsAndDialogStaysOpen();
    void sysInfoUnavailableShowsItsMessage();
};

void PinAboutTest::holdsDesignTextsUntilLoaded() {
    ui::PinAbout about(nullptr, [] {});
    QCOMPARE(about.windowTitle(), QStringLiteral("关于Tovrel"));
    QCOMPARE(label(about, "lblVersion").text(), QStringLiteral("版本：1.00"));
    QCOMPARE(label(about, "lblTitle").text(), QStringLiteral("Tovrel程序"));
    QCOMPARE(button(about, "cmdOK").text(), QStringLiteral("确定"));
    QCOMPARE(button(about, "cmdSysInfo").text(), QStringLiteral("系统信息(&S)"));
}

void PinAboutTest::loadSetsCaptionVersionAndTitle() {
    Owner owner;
    showOwner(owner, {40, 40});
    ui::PinAbout about(&owner, [] {});
    ShownTexts whileOpen;
    whenModalOpens([&](QWidget&) { whileOpen = shownTexts(about); });
    app::showModal(about, owner);

    QCOMPARE(whileOpen.caption, QStringLiteral("关于Tovrel ")); // with its trailing blank
    QCOMPARE(whileOpen.version, QStringLiteral("版本 1.0.0"));
    QCOMPARE(whileOpen.title, QStringLiteral("Tovrel 2005"));
}

void PinAboutTest::descriptionAndWarningTexts() {
    ui::PinAbout about(nullptr, [] {});
    about.show();
    const ShownTexts texts = shownTexts(about);

    const QString firstSentence =
        QStringLiteral("本软件用于机床夹具设计中，定位削边销尺寸的参考计算。");
    QVERIFY(texts.description.startsWith(QStringLiteral("    ") + firstSentence));
    QVERIFY(!texts.description.startsWith(QStringLiteral("     ")));
    QVERIFY(texts.description.contains(QStringLiteral("Kestrow")));
    // The note ends with the e-mail address, exactly 64 blanks and the signature.
    static const QRegularExpression noteEnd(
        QStringLiteral("[\\w.-]+@example\\.com(?<! ) {64}---  \\S+$"));
    QVERIFY2(noteEnd.match(texts.description).hasMatch(), qPrintable(texts.description));

    QVERIFY(texts.disclaimer.startsWith(QStringLiteral("警告: ")));
    QVERIFY(!texts.disclaimer.startsWith(QStringLiteral("警告:  ")));
    static const QRegularExpression makerAndAddress(
        QStringLiteral("Kestrow\\s+https://www\\.example\\.com/\\S*$"));
    QVERIFY2(makerAndAddress.match(texts.disclaimer).hasMatch(), qPrintable(texts.disclaimer));
}

void PinAboutTest::opensWithFocusOnOk() {
    Owner owner;
    showOwner(owner, {40, 40});
    ui::PinAbout about(&owner, [] {});
    // Leave the focus on System Info at the first opening: the next one must start on OK again.
    for (int opening = 1; opening <= 2; ++opening) {
        QWidget* focused = nullptr;
        whenModalOpens([&](QWidget&) {
            focused = QApplication::focusWidget();
            button(about, "cmdSysInfo").setFocus(Qt::TabFocusReason);
        });
        app::showModal(about, owner);
        QCOMPARE(focused, &button(about, "cmdOK"));
    }
}

void PinAboutTest::tabMovesBetweenTheTwoButtonsOnly() {
    ui::PinAbout about(nullptr, [] {});
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QPushButton& ok = button(about, "cmdOK");
    QPushButton& sysInfo = button(about, "cmdSysInfo");
    QCOMPARE(QApplication::focusWidget(), &ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &sysInfo);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), &sysInfo);
}

void PinAboutTest::closes_data() {
    QTest::addColumn<CloseBy>("closeBy");
    QTest::newRow("OK clicked") << CloseBy::OkClick;
    QTest::newRow("Enter") << CloseBy::Enter;
    QTest::newRow("Esc") << CloseBy::Esc;
    QTest::newRow("close button") << CloseBy::CloseButton;
}

void PinAboutTest::closes() {
    QFETCH(CloseBy, closeBy);
    Owner owner;
    showOwner(owner, {40, 40});
    int launches = 0;
    ui::PinAbout about(&owner, [&] { ++launches; });
    bool closedByAction = false;
    whenModalOpens([&](QWidget& dialog) {
        switch (closeBy) {
        case CloseBy::OkClick:
            clickAsUser(button(about, "cmdOK"));
            break;
        case CloseBy::Enter:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            break;
        case CloseBy::Esc:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            break;
        case CloseBy::CloseButton:
            dialog.windowHandle()->close(); // what the title bar's close button asks for
            break;
        }
        closedByAction = !dialog.isVisible();
    });
    app::showModal(about, owner);

    QVERIFY(closedByAction);
    QCOMPARE(launches, 0);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void PinAboutTest::reopeningLoadsTheSameTexts() {
    Owner owner;
    showOwner(owner, {40, 40});
    ui::PinAbout about(&owner, [] {});
    ShownTexts first;
    whenModalOpens([&](QWidget&) { first = shownTexts(about); });
    app::showModal(about, owner);

    // Whatever the window showed last time, it comes up loaded anew.
    about.setWindowTitle(QStringLiteral("changed"));
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
        label(about, name).setText(QStringLiteral("changed"));
    }
    ShownTexts second;
    whenModalOpens([&](QWidget&) { second = shownTexts(about); });
    app::showModal(about, owner);

    QCOMPARE(first.caption, QStringLiteral("关于Tovrel "));
    QVERIFY(second == first);
}

void PinAboutTest::ownerTakesNoInputWhileOpen() {
    Owner owner;
    showOwner(owner, {40, 40});
    owner.input.setFocus();
    ui::PinAbout about(&owner, [] {});
    QWidget* modalWhileOpen = nullptr;
    bool ownerActiveWhileOpen = true;
    whenModalOpens([&](QWidget&) {
        modalWhileOpen = QApplication::activeModalWidget();
        clickAsUser(owner.button);
        QTest::keyClick(owner.windowHandle(), '6');
        QTest::qWait(50);
        ownerActiveWhileOpen = owner.isActiveWindow();
    });
    app::showModal(about, owner);

    QCOMPARE(modalWhileOpen, &about);
    QVERIFY(!ownerActiveWhileOpen);
    QCOMPARE(owner.buttonClicks, 0);
    QCOMPARE(owner.input.text(), QString());

    // Once the dialog has closed, the same input reaches the owner (activated again, as the
    // window manager would).
    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    clickAsUser(owner.button);
    QCOMPARE(owner.buttonClicks, 1);
    owner.input.setFocus();
    QTest::keyClick(owner.windowHandle(), '6');
    QCOMPARE(owner.input.text(), QStringLiteral("6"));
}

void PinAboutTest::centredOverOwnerWhereverItMoved() {
    Owner owner;
    showOwner(owner, {10, 20});
    ui::PinAbout about(&owner, [] {});
    for (const QPoint ownerAt : {QPoint(10, 20), QPoint(260, 170), QPoint(380, 300)}) {
        owner.move(ownerAt);
        QTRY_COMPARE(owner.pos(), ownerAt);
        QRect dialogFrame;
        QWidget* dialogParent = nullptr;
        whenModalOpens([&](QWidget& dialog) {
            dialogFrame = dialog.frameGeometry();
            dialogParent = dialog.parentWidget();
        });
        app::showModal(about, owner);

        const QPoint offCentre = dialogFrame.center() - owner.frameGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 1,
                 qPrintable(
                     QStringLiteral("off centre by %1,%2").arg(offCentre.x()).arg(offCentre.y())));
        QCOMPARE(dialogFrame.size(), about.frameGeometry().size());
        // Owned by the main window, so it has no taskbar button of its own.
        QCOMPARE(dialogParent, &owner);
    }
}

void PinAboutTest::sysInfoRunsAndDialogStaysOpen_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("Alt+S") << true;
    QTest::newRow("click") << false;
}

void PinAboutTest::sysInfoRunsAndDialogStaysOpen() {
    QFETCH(bool, byKeyboard);
    Owner owner;
    showOwner(owner, {40, 40});
    int launches = 0;
    ui::PinAbout about(&owner, [&] { ++launches; });
    QList<int> launchesAfterEachPress;
    bool openAfterwards = false;
    whenModalOpens([&](QWidget& dialog) {
        for (int press = 1; press <= 2; ++press) {
            if (byKeyboard) {
                // An access key shows the button pressed for a moment before it clicks.
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
            } else {
                clickAsUser(button(about, "cmdSysInfo"));
            }
            const bool launched = QTest::qWaitFor([&] { return launches >= press; }, 2000);
            launchesAfterEachPress << launches;
            if (!launched) {
                break;
            }
        }
        openAfterwards = dialog.isVisible();
    });
    app::showModal(about, owner);

    QCOMPARE(launchesAfterEachPress, QList<int>({1, 2}));
    QVERIFY(openAfterwards);
}

// On this platform no System Information viewer is registered, so the real launcher answers with
// its message over the dialog.
void PinAboutTest::sysInfoUnavailableShowsItsMessage() {
    Owner owner;
    showOwner(owner, {40, 40});
    ui::PinAbout about(&owner);
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    bool dialogOpenAfterMessage = false;
    whenModalOpens([&](QWidget& dialog) {
        whenModalOpens(
            [&](QWidget& shown) {
                auto* box = qobject_cast<QMessageBox*>(&shown);
                QVERIFY(box);
                caption = box->windowTitle();
                text = box->text();
                icon = box->icon();
                buttons = box->standardButtons();
                QTest::keyClick(box, Qt::Key_Return);
            },
            &dialog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        if (QTest::qWaitFor([&] { return !text.isEmpty(); }, 5000)) {
            QTest::qWait(20); // lets the message box close
            dialogOpenAfterMessage =
                dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
        }
    });
    app::showModal(about, owner);

    QCOMPARE(text, QStringLiteral("此时系统信息不可用"));
    QCOMPARE(caption, QStringLiteral("Tovrel"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(dialogOpenAfterMessage);
}

DIALOG_TEST_MAIN(PinAboutTest)

#include "pin_about_test.moc"
