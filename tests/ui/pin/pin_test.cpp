#include "app/application.h"
#include "app/window_system.h"
#include "ui/pin/pin.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QString emptyInput = QStringLiteral("您没有输入定位孔的直径！");
const QString notNumeric = QStringLiteral("您输入内孔直径不是数值型，请核对后重新输入！");
const QString outOfRange = QStringLiteral("您输入的内孔直径超出范围！");

// 15 twips are one pixel at 96 dpi.
QRect pixels(const QRect& twips) {
    auto pixels = [](int twips) { return qRound(twips / 15.0); };
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

// While the returned timer lives, each modal widget that shows is handed to `inspect`, then
// dismissed with Esc.
std::unique_ptr<QTimer> watchModals(const std::function<void(QWidget*)>& inspect) {
    auto poll = std::make_unique<QTimer>();
    poll->callOnTimeout([inspect] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            inspect(modal);
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    poll->start(10);
    return poll;
}

// What a modal window shows: caption and, for a message box, icon, buttons and text.
QStringList shownBy(QWidget* modal) {
    QStringList shown{modal->windowTitle()};
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        shown << QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon());
        for (QAbstractButton* button : box->buttons()) {
            shown << QMetaEnum::fromType<QMessageBox::StandardButtons>().valueToKey(
                box->standardButton(button));
        }
        shown << box->text();
    }
    return shown;
}

} // namespace

// The main window as the program shows it at start, driven by keys and clicks.
class PinTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        pin_ = std::make_unique<ui::Pin>();
        app::showStartupWindow(*pin_);
        QVERIFY(QTest::qWaitForWindowActive(pin_.get()));
        input_ = find<QLineEdit>("Text1");
    }

    void cleanup() { pin_.reset(); }

    void windowHasAFixedSize() {
        const QSize client = pixels({0, 0, 10335, 5685}).size();
        QVERIFY(!pin_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(pin_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        pin_->resize(client * 2);
        QCOMPARE(pin_->size(), client);
    }

    void controls_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QFont>("font");    // no family: the window's own font
        QTest::addColumn<QColor>("colour"); // invalid: the platform's colour
        const QFont F1(QStringLiteral("宋体"), 9, QFont::Bold), F3(QStringLiteral("Arial"), 9);
        QFont F2(QStringLiteral("Times New Roman")), none{QString()};
        F2.setPointSizeF(14.25);
        auto row = [](const char* name, const char* kind, const char* text, QRect twips,
                      const QFont& font, const QColor& colour = {}) {
            QTest::newRow(name) << kind << QString::fromUtf8(text) << twips << font << colour;
        };
        row("Frame1", "QGroupBox", "Tovrel", {4920, 120, 5295, 5415}, F1);
        row("Command4", "QPushButton", "关于(&A)", {3960, 3240, 1095, 400}, none);
        row("Command3", "QPushButton", "刷新(&R)", {3960, 2280, 1095, 400}, none);
        row("Command2", "QPushButton", "退出(&Q)", {3960, 4320, 1095, 400}, none);
        row("Text2_1", "QLineEdit", "", {1680, 4320, 1455, 450}, F2);
        row("Text2_0", "QLineEdit", "", {1680, 3240, 1455, 450}, F2);
        row("Command1", "QPushButton", "计算(&C)", {3960, 1320, 1095, 400}, none);
        row("Text1", "QLineEdit", "", {1680, 1320, 1455, 450}, F2);
        row("Label6_2", "QLabel", "(mm)", {3240, 4440, 495, 255}, F3);
        row("Label6_1", "QLabel", "(mm)", {3240, 3360, 495, 255}, F3);
        row("Label6_0", "QLabel", "(mm)", {3240, 1440, 495, 255}, F3);
        row("Label5", "QLabel", "注意：3≤D2≤50，计算结果仅作为参考!", {240, 2160, 4095, 255}, F1,
            QColor(255, 0, 0));
        row("Label3_1", "QLabel", "B =", {960, 4440, 735, 375}, F2);
        row("Label4", "QLabel", "计算结果：", {240, 2760, 1695, 255}, F1, QColor(0, 128, 0));
        row("Label3_0", "QLabel", "b =", {960, 3360, 615, 255}, F2);
        row("Label2", "QLabel", "定位孔直径D2：", {240, 1440, 1335, 255}, none);
        row("Label1", "QLabel", "请在下面方框中输入定位孔直径D2，然后点击计算按钮！",
            {240, 600, 4935, 375}, none);
        row("Picture1", "ui::PinPicture", "", {120, 120, 4665, 5430}, none);
    }

    void controls() {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        QFETCH(QFont, font);
        QFETCH(QColor, colour);
        QWidget* control = find(QTest::currentDataTag());
        QVERIFY2(control && control->inherits(qPrintable(kind)), QTest::currentDataTag());
        QCOMPARE(control->property(kind == "QGroupBox" ? "title" : "text").toString(), text);
        QCOMPARE(control->geometry(), pixels(twips));
        // Controls without a font of their own keep the window's, not the bold one of Frame1.
        const QFont expected = font.family().isEmpty() ? pin_->font() : font;
        QCOMPARE(control->font(), expected);
        QCOMPARE(control->palette().color(QPalette::WindowText),
                 colour.isValid() ? colour
                                  : QApplication::palette(control).color(QPalette::WindowText));
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QVERIFY((label->alignment() & Qt::AlignLeft) && label->autoFillBackground() &&
                    label->wordWrap());
            // Each text fits its label on one line in the fonts the platform has.
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(text) <= label->width());
        } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(box->alignment(), Qt::AlignCenter);
            QCOMPARE(box->isReadOnly(), box != input_);
        }
    }

    void noteTextEndsBeforeRefreshWhichCoversTheRestOfIt() {
        auto* note = find<QLabel>("Label5");
        const QRect strip = pixels(QRect(QPoint(3960, 2280), QPoint(4335, 2415)));
        QCOMPARE(find("Frame1")->childAt(strip.bottomRight()), find("Command3"));
        QVERIFY(note->x() + QFontMetrics(note->font()).horizontalAdvance(note->text()) < strip.x());
    }

    void tabAndShiftTabWalkTheFocusChain() {
        const QStringList chain{"Text1",    "Command1", "Command3", "Command4",
                                "Command2", "Text2_1",  "Text2_0",  "Picture1"};
        QCOMPARE(QApplication::focusWidget(), input_);
        for (qsizetype step = 1; step <= chain.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            QCOMPARE(focused->objectName(), chain.at(step % chain.size()));
            // Each stop has a name a screen reader can say.
            QVERIFY(
                !QAccessible::queryAccessibleInterface(focused)->text(QAccessible::Name).isEmpty());
        }
        for (qsizetype step = chain.size() - 1; step >= 0; --step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(step));
        }
    }

    void accessKeysPressTheirButtonsFromAnywhere_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("Alt+C from the picture") << "Picture1" << Qt::Key_C << "Command1";
        QTest::newRow("Alt+R from b") << "Text2_0" << Qt::Key_R << "Command3";
        QTest::newRow("Alt+A from the input") << "Text1" << Qt::Key_A << "Command4";
        QTest::newRow("Alt+Q from Refresh") << "Command3" << Qt::Key_Q << "Command2";
    }

    void accessKeysPressTheirButtonsFromAnywhere() {
        QFETCH(QString, focused);
        QFETCH(Qt::Key, key);
        QFETCH(QString, button);
        QSignalSpy clicks(find<QPushButton>(qPrintable(button)), &QPushButton::clicked);
        const auto dismiss = watchModals([](QWidget*) {}); // Calculate on empty input; About
        find(qPrintable(focused))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QTRY_COMPARE(clicks.count(), 1);
    }

    void readOutsIgnoreTypingButCanBeCopied() {
        QTest::keyClicks(input_, QStringLiteral("10"));
        QTest::keyClick(input_, Qt::Key_Return);
        for (const char* name : {"Text2_0", "Text2_1"}) {
            auto* box = find<QLineEdit>(name);
            const QString shown = box->text();
            QVERIFY(!shown.isEmpty());
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("9x"));
            QCOMPARE(box->text(), shown);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), shown);
        }
    }

    // Runs at 100 % and, as a ctest entry of its own, at 200 %.
    void pictureShowsTheDrawingAtItsNaturalSize() {
        auto* picture = find<QFrame>("Picture1");
        QCOMPARE(picture->frameShadow(), QFrame::Sunken);
        const QRect inside(QPoint(2, 2), QSize(307, 358));
        QCOMPARE(picture->contentsRect(), inside);
        const QImage shown = picture->grab(inside).toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(shown != shown.copy(0, 0, 1, 1).scaled(shown.size())); // not blank
        // At 200 % the sharp drawing, not the small one enlarged.
        const QImage drawing(picture->devicePixelRatio() == 2 ? ":/pin/pin@2x.png"
                                                              : ":/pin/pin.png");
        QCOMPARE(shown, drawing.convertToFormat(QImage::Format_RGB32));
    }

    void unusableInputGetsTheBox_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("message");
        QTest::newRow("abc") << "abc" << notNumeric;
        QTest::newRow("empty") << "" << emptyInput;
        QTest::newRow("55") << "55" << outOfRange;
        QTest::newRow("10 000 letters") << QString(10'000, u'x') << notNumeric;
        QTest::newRow("100 000 digits, beyond a double") << QString(100'000, u'9') << notNumeric;
        QTest::newRow("emoji") << "1😀0" << notNumeric;
        QTest::newRow("NUL") << QStringLiteral("1") + QChar(u'\0') + "0" << notNumeric;
        QTest::newRow("right-to-left marks") << "\u200F10\u200F" << notNumeric;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "10" << notNumeric;
    }

    void unusableInputGetsTheBox() {
        QFETCH(QString, input);
        QFETCH(QString, message);
        auto* calculate = find<QPushButton>("Command1");
        QTest::keyClicks(input_, QStringLiteral("10"));
        QTest::mouseClick(calculate, Qt::LeftButton);
        QCOMPARE(boxes(), (QStringList{"10", "4", "8"}));
        QCOMPARE(QApplication::focusWidget(), calculate);

        input_->setText(input);
        QStringList seen; // the message box, and the window's boxes meanwhile
        const auto watcher = watchModals([&](QWidget* modal) { seen = shownBy(modal) + boxes(); });
        QTest::mouseClick(calculate, Qt::LeftButton);
        QCOMPARE(seen, (QStringList{"Tovrel", "Critical", "Ok", message, input, "4", "8"}));
        QCOMPARE(boxes(), (QStringList{"", "4", "8"}));
        QCOMPARE(pin_->focusWidget(), input_);
    }

    void keysInTheInput_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("calculates");
        auto row = [](const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers, bool calc) {
            QTest::newRow(name) << key << modifiers << calc;
        };
        row("Enter", Qt::Key_Return, {}, true);
        row("Shift+Enter", Qt::Key_Return, Qt::ShiftModifier, true);
        row("Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier, true);
        row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, true);
        row("Esc: no cancel button", Qt::Key_Escape, {}, false);
    }

    void keysInTheInput() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, calculates);
        QSignalSpy reachedTheBox(input_, &QLineEdit::returnPressed);
        QTest::keyClicks(input_, QStringLiteral("6"));
        QTest::keyClick(input_, key, modifiers);
        QCOMPARE(boxes(), (calculates ? QStringList{"6", "2", "5.5"} : QStringList{"6", "", ""}));
        QCOMPARE(QApplication::focusWidget(), input_);
        // The key is not swallowed: the box still gets it.
        QCOMPARE(reachedTheBox.count(), calculates ? 1 : 0);
    }

    void refreshEmptiesTheBoxesAndFocusesTheInput() {
        QTest::keyClicks(input_, QStringLiteral("10"));
        QTest::keyClick(input_, Qt::Key_Return);
        QCOMPARE(boxes(), (QStringList{"10", "4", "8"}));
        // After a result, then on empty boxes where it only moves the focus.
        for (int round = 0; round < 2; ++round) {
            find("Picture1")->setFocus();
            QTest::mouseClick(find("Command3"), Qt::LeftButton);
            QCOMPARE(boxes(), QStringList(3, QString()));
            QCOMPARE(QApplication::focusWidget(), input_);
        }
    }

    void aboutOpensTheKeptDialogModallyOverTheWindow() {
        QList<QWidget*> opened;
        const auto watcher = watchModals([&](QWidget* modal) { opened << modal; });
        QTest::mouseClick(find("Command4"), Qt::LeftButton);
        QTest::mouseClick(find("Command4"), Qt::LeftButton);
        QVERIFY(opened.size() == 2 && opened[1] == opened[0]);
        QVERIFY(opened[0]->inherits("ui::PinAbout") && opened[0]->parentWidget() == pin_.get());
    }

    void exitEndsTheProgramWithStatusZero() {
        QTimer::singleShot(0, find<QPushButton>("Command2"), &QPushButton::click);
        QCOMPARE(QApplication::exec(), 0);
    }

private:
    template <class Control = QWidget>
    Control* find(const char* name) {
        return pin_->findChild<Control*>(QLatin1String(name));
    }

    // The texts of Text1, Text2(0) and Text2(1).
    QStringList boxes() {
        return {input_->text(), find<QLineEdit>("Text2_0")->text(),
                find<QLineEdit>("Text2_1")->text()};
    }

    std::unique_ptr<ui::Pin> pin_;
    QLineEdit* input_ = nullptr;
};

// Under the program's own application object: its fonts, icon and handling of untrapped errors.
int main(int argc, char** argv) {
    app::Application application(argc, argv);
    PinTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pin_test.moc"
