#include "pin_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

const QString emptyInputMessage = QStringLiteral("您没有输入定位孔的直径！");
const QString notNumericMessage = QStringLiteral("您输入内孔直径不是数值型，请核对后重新输入！");
const QString outOfRangeMessage = QStringLiteral("您输入的内孔直径超出范围！");

} // namespace

class PinCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        pin_ = std::make_unique<pin_test::ShownPin>();
        QVERIFY(QTest::qWaitForWindowActive(&pin_->window()));
    }

    void cleanup() { pin_.reset(); }

    void rejectedInputKeepsEarlierResults() {
        QLineEdit* input = pin_->input();
        QTest::keyClicks(input, QStringLiteral("10"));
        clickCalculate();
        QCOMPARE(pin_->bBox()->text(), QStringLiteral("4"));
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("8"));

        input->clear();
        QTest::keyClicks(input, QStringLiteral("abc"));
        pin_test::MessageBoxWatcher watcher(*pin_);
        clickCalculate();

        const pin_test::SeenBox& box = watcher.seen();
        QVERIFY(box.shown);
        QCOMPARE(box.caption, QStringLiteral("Tovrel"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.buttonCount, 1);
        QCOMPARE(box.text, notNumericMessage);
        QCOMPARE(box.inputWhileShown, QStringLiteral("abc"));
        QCOMPARE(box.bWhileShown, QStringLiteral("4"));
        QCOMPARE(box.BWhileShown, QStringLiteral("8"));

        QVERIFY(input->text().isEmpty());
        QCOMPARE(pin_->window().focusWidget(), input);
        QCOMPARE(pin_->bBox()->text(), QStringLiteral("4"));
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("8"));
    }

    void unusableInputIsAnsweredByTheBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("inputAfter");

        QTest::newRow("empty") << QString() << emptyInputMessage << QString();
        QTest::newRow("a blank") << QStringLiteral(" ") << notNumericMessage << QString();
        QTest::newRow("letters") << QStringLiteral("abc") << notNumericMessage << QString();
        QTest::newRow("above 50") << QStringLiteral("55") << outOfRangeMessage << QString();
        QTest::newRow("below 3") << QStringLiteral("2.99") << outOfRangeMessage << QString();
        QTest::newRow("10 000 digits, beyond a double")
            << QString(10'000, QLatin1Char('9')) << notNumericMessage << QString();
        QTest::newRow("10 000 letters")
            << QString(10'000, QLatin1Char('x')) << notNumericMessage << QString();
        QTest::newRow("emoji") << QStringLiteral("1😀0") << notNumericMessage << QString();
        QTest::newRow("NUL") << QStringLiteral("10").insert(1, QChar(u'\0')) << notNumericMessage
                             << QString();
        QTest::newRow("right-to-left marks")
            << QStringLiteral("\u200F10\u200F") << notNumericMessage << QString();
        QTest::newRow("lone surrogate")
            << QString(QChar(0xD800)) + QStringLiteral("10") << notNumericMessage << QString();
        QTest::newRow("beyond a double")
            << QStringLiteral("1e400") << notNumericMessage << QString();
    }

    void unusableInputIsAnsweredByTheBox() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, inputAfter);
        QLineEdit* input = pin_->input();
        input->setText(text);
        QCOMPARE(input->text(), text);
        pin_->bBox()->setText(QStringLiteral("earlier b"));
        pin_->BBox()->setText(QStringLiteral("earlier B"));

        pin_test::MessageBoxWatcher watcher(*pin_);
        clickCalculate();

        const pin_test::SeenBox& box = watcher.seen();
        QVERIFY(box.shown);
        QCOMPARE(box.caption, QStringLiteral("Tovrel"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttonCount, 1);
        QCOMPARE(box.text, message);
        QCOMPARE(box.inputWhileShown, text);
        QCOMPARE(input->text(), inputAfter);
        QCOMPARE(pin_->window().focusWidget(), input);
        QCOMPARE(pin_->bBox()->text(), QStringLiteral("earlier b"));
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("earlier B"));
    }

    void longInputThatReadsAsANumberCalculates() {
        QLineEdit* input = pin_->input();
        const QString text = QString(9'999, QLatin1Char('0')) + QLatin1Char('7');
        input->setText(text);
        clickCalculate();
        QCOMPARE(pin_->bBox()->text(), QStringLiteral("3"));
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("6"));
        QCOMPARE(input->text(), text);
    }

    void enterCalculatesWhateverTheModifiers_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Enter") << Qt::Key_Return << Qt::KeyboardModifiers();
        QTest::newRow("Shift+Enter") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Enter") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("Alt+Enter") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::AltModifier);
        QTest::newRow("keypad Enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Shift+keypad Enter")
            << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier | Qt::ShiftModifier);
    }

    void enterCalculatesWhateverTheModifiers() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QLineEdit* input = pin_->input();
        QSignalSpy reachedTheBox(input, &QLineEdit::returnPressed);
        QTest::keyClicks(input, QStringLiteral("6"));
        QVERIFY(pin_->bBox()->text().isEmpty());

        QTest::keyClick(input, key, modifiers);
        QCOMPARE(pin_->bBox()->text(), QStringLiteral("2"));
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("5.5"));
        QCOMPARE(input->text(), QStringLiteral("6"));
        QCOMPARE(QApplication::focusWidget(), input);
        // The key is not swallowed: the input box still gets it.
        QCOMPARE(reachedTheBox.count(), 1);

        // Pressed again, it writes the same results again.
        pin_->bBox()->clear();
        pin_->BBox()->clear();
        QTest::keyClick(input, key, modifiers);
        QCOMPARE(pin_->bBox()->text(), QStringLiteral("2"));
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("5.5"));
    }

    void enterOnUnusableInputShowsTheBox() {
        QLineEdit* input = pin_->input();
        QTest::keyClicks(input, QStringLiteral("60"));
        pin_test::MessageBoxWatcher watcher(*pin_);
        QTest::keyClick(input, Qt::Key_Return);
        QVERIFY(watcher.seen().shown);
        QCOMPARE(watcher.seen().text, outOfRangeMessage);
        QCOMPARE(watcher.seen().inputWhileShown, QStringLiteral("60"));
        QVERIFY(input->text().isEmpty());
        QCOMPARE(pin_->window().focusWidget(), input);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void otherKeysDoNotCalculate() {
        QLineEdit* input = pin_->input();
        QTest::keyClicks(input, QStringLiteral("6"));
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Escape, Qt::Key_F1, Qt::Key_Home}) {
            QTest::keyClick(input, key);
        }
        QVERIFY(pin_->bBox()->text().isEmpty());
        QVERIFY(pin_->BBox()->text().isEmpty());
    }

    void clickOnCalculateKeepsTheFocusOnIt() {
        QTest::keyClicks(pin_->input(), QStringLiteral("6"));
        clickCalculate();
        QCOMPARE(pin_->bBox()->text(), QStringLiteral("2"));
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("5.5"));
        QCOMPARE(pin_->input()->text(), QStringLiteral("6"));
        QCOMPARE(QApplication::focusWidget(), pin_->control(QStringLiteral("Command1")));
    }

    void refreshEmptiesAllBoxesAndFocusesInput() {
        QLineEdit* input = pin_->input();
        QTest::keyClicks(input, QStringLiteral("7.3"));
        clickCalculate();
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("6.3"));

        auto* refresh = pin_->control<QPushButton>(QStringLiteral("Command3"));
        QVERIFY(refresh);
        QTest::mouseClick(refresh, Qt::LeftButton);
        QVERIFY(input->text().isEmpty());
        QVERIFY(pin_->bBox()->text().isEmpty());
        QVERIFY(pin_->BBox()->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), input);

        // On empty boxes it only moves the focus.
        pin_->control(QStringLiteral("Picture1"))->setFocus();
        QTest::mouseClick(refresh, Qt::LeftButton);
        QVERIFY(input->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), input);
    }

    void aboutLeavesTheCalculatorAsItIs() {
        QTest::keyClicks(pin_->input(), QStringLiteral("8"));
        clickCalculate();
        auto* about = pin_->control<QPushButton>(QStringLiteral("Command4"));
        QVERIFY(about);
        // Whatever About shows modally is closed again.
        pin_test::MessageBoxWatcher closeModal(*pin_);
        QTest::mouseClick(about, Qt::LeftButton);
        QCOMPARE(pin_->input()->text(), QStringLiteral("8"));
        QCOMPARE(pin_->bBox()->text(), QStringLiteral("3"));
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("7"));
    }

    void aboutOpensTheSameDialogModallyOverTheMainWindowEachTime() {
        auto* about = pin_->control<QPushButton>(QStringLiteral("Command4"));
        QVERIFY(about);
        QList<QPointer<QWidget>> opened;
        QStringList captions;
        QList<QWidget*> owners;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened << modal;
                captions << modal->windowTitle();
                owners << modal->parentWidget();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        poll.start(10);
        QTest::mouseClick(about, Qt::LeftButton);
        QTest::mouseClick(about, Qt::LeftButton);
        poll.stop();

        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0] && opened[0] == opened[1]);
        QVERIFY(qobject_cast<QDialog*>(opened[0].data()));
        QCOMPARE(captions, QStringList(2, QStringLiteral("关于Tovrel ")));
        QCOMPARE(owners, QList<QWidget*>(2, &pin_->window()));
        QVERIFY(!opened[0]->isVisible());
    }

    void exitEndsTheProgram() {
        auto* exit = pin_->control<QPushButton>(QStringLiteral("Command2"));
        QVERIFY(exit);
        QCOMPARE(pin_test::runUntilProgramEnds([exit] { QTest::mouseClick(exit, Qt::LeftButton); }),
                 0);
        QVERIFY(!pin_->window().isVisible());
    }

    void closingByTheTitleBarEndsTheProgram() {
        ui::Pin& pin = pin_->window();
        QCOMPARE(pin_test::runUntilProgramEnds([&pin] { pin.close(); }), 0);
        QVERIFY(!pin.isVisible());
    }

private:
    void clickCalculate() {
        auto* calculate = pin_->control<QPushButton>(QStringLiteral("Command1"));
        QVERIFY(calculate);
        QTest::mouseClick(calculate, Qt::LeftButton);
    }

    std::unique_ptr<pin_test::ShownPin> pin_;
};

QUARNEST_PIN_TEST_MAIN(PinCommandsTest)
#include "pin_commands_test.moc"
