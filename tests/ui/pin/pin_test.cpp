// The main window as the program shows it at start, driven by keys and clicks.
#include "tests/support/qt/qt_modal_watch.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/pin/pin.h"
#include "ui/shell/window_system.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

class PinTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        pin_ = std::make_unique<ui::Pin>();
        ui::shell::showStartupWindow(*pin_);
        QVERIFY(QTest::qWaitForWindowActive(pin_.get()));
        input_ = find<QLineEdit>("Text1");
        QTRY_COMPARE(QApplication::focusWidget(), input_);
        pressed_.clear();
        for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
            connect(find<QPushButton>(name), &QPushButton::clicked, this,
                    [this, name] { pressed_ << name; });
        }
    }

    // On one line, not cut at the top or bottom, in the face the system really chose for it.
    void everyTextFitsItsControl() {
        const int buttonMargin = pin_->style()->pixelMetric(QStyle::PM_ButtonMargin);
        for (QWidget* control : pin_->findChildren<QWidget*>()) {
            QString text = control->property("text").toString().remove(u'&');
            int room = control->width();
            if (auto* frame = qobject_cast<QGroupBox*>(control)) {
                text = frame->title();
            } else if (qobject_cast<QPushButton*>(control)) {
                room -= 2 * buttonMargin;
            } else if (!qobject_cast<QLabel*>(control)) {
                continue;
            }
            const QFontMetrics metrics(control->font());
            QVERIFY2(metrics.horizontalAdvance(text) <= room &&
                         metrics.tightBoundingRect(text).height() <= control->height(),
                     qPrintable(control->objectName()));
        }
    }

    // "宋体", the window's font and the bold one of Frame1, Label4 and Label5.
    void songFaceComesOutInAChineseFace() {
        for (const char* name : {"Label1", "Label5"}) {
            const QFont font = find(name)->font();
            const QString face = QFontInfo(font).family();
            QVERIFY2(QFontDatabase::writingSystems(face).contains(QFontDatabase::SimplifiedChinese),
                     qPrintable(face));
            QVERIFY(QFontMetrics(font).inFontUcs4(U'径'));
        }
    }

    // Label5 reaches under Command3 and Label3(1) a pixel under Text2(1); the button and the box
    // are drawn over them, and Label5's text ends before the button.
    void controlsOverlapOnlyWhereTheFormMeansIt() {
        QStringList overlaps;
        for (QWidget* container : {static_cast<QWidget*>(pin_.get()), find("Frame1")}) {
            const auto controls = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* a : controls) {
                for (QWidget* b : controls) {
                    const QRect shared = a->geometry() & b->geometry();
                    if (a->objectName() < b->objectName() && !shared.isEmpty()) {
                        overlaps << a->objectName() + "+" + b->objectName() + " under " +
                                        container->childAt(shared.center())->objectName();
                    }
                }
            }
        }
        overlaps.sort();
        QCOMPARE(overlaps,
                 (QStringList{"Command3+Label5 under Command3", "Label3_1+Text2_1 under Text2_1"}));
        auto* note = find<QLabel>("Label5");
        QVERIFY(note->x() + QFontMetrics(note->font()).horizontalAdvance(note->text()) <=
                find("Command3")->x());
    }

    void tabAndShiftTabWalkTheFocusChain() {
        const QStringList chain{"Text1",    "Command1", "Command3", "Command4",
                                "Command2", "Text2_1",  "Text2_0",  "Picture1"};
        for (qsizetype step = 1; step <= chain.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(step % chain.size()));
        }
        for (qsizetype step = chain.size() - 1; step >= 0; --step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(step));
        }
    }

    // Typing, deleting, pasting and cutting change nothing; selecting and copying work.
    void readOutBoxesKeepTheirTextButCopyIt() {
        QTest::keyClicks(input_, QStringLiteral("10"));
        QTest::keyClick(input_, Qt::Key_Return);
        for (const char* name : {"Text2_0", "Text2_1"}) {
            auto* box = find<QLineEdit>(name);
            const QString shown = box->text();
            box->setFocus();
            QApplication::clipboard()->setText(QStringLiteral("7"));
            QTest::keyClicks(box, QStringLiteral("9"));
            for (const QKeySequence::StandardKey key :
                 {QKeySequence::Paste, QKeySequence::SelectAll, QKeySequence::Cut}) {
                QTest::keySequence(box, key);
            }
            for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete}) {
                QTest::keyClick(box, key);
            }
            QCOMPARE(box->text(), shown);
            QTest::keySequence(box, QKeySequence::SelectAll);
            QTest::keySequence(box, QKeySequence::Copy);
            QCOMPARE(QApplication::clipboard()->text(), shown);
        }
        QCOMPARE(boxes(), (QStringList{"10", "4", "8"}));
    }

    void offersNoMaximize() {
        QVERIFY(!(pin_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(pin_->windowFlags() & Qt::MSWindowsFixedSizeDialogHint);
        QCOMPARE(pin_->minimumSize(), pin_->maximumSize());
        QCOMPARE(pin_->size(), QSize(689, 379));
    }

    // From the input box, which must not take the keys for itself.
    void accessKeysPressTheirButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("opens"); // the modal window the button shows
        QTest::newRow("Alt+C") << "Command1" << Qt::Key_C << "QMessageBox"; // on empty input
        QTest::newRow("Alt+R") << "Command3" << Qt::Key_R << "";
        QTest::newRow("Alt+A") << "Command4" << Qt::Key_A << "ui::PinAbout";
    }

    void accessKeysPressTheirButtons() {
        QFETCH(QString, button);
        QFETCH(Qt::Key, key);
        QFETCH(QString, opens);
        const ModalWatch watch;
        QTest::keyClick(input_, key, Qt::AltModifier);
        QTRY_COMPARE(pressed_, QStringList{button});
        QCOMPARE(watch.description().value(0), opens);
    }

    // With "6" in the input box, Return or keypad Enter on a focused button presses it alone.
    void enterOnAFocusedButtonPressesIt_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("opens");
        const QStringList computed{"6", "2", "5.5"};
        QTest::newRow("Calculate")
            << "Command1" << QKeyCombination(Qt::Key_Return) << computed << "";
        QTest::newRow("Refresh") << "Command3" << (Qt::KeypadModifier | Qt::Key_Enter)
                                 << QStringList(3, QString()) << "";
        QTest::newRow("About") << "Command4" << QKeyCombination(Qt::Key_Return)
                               << QStringList{"6", "", ""} << "ui::PinAbout";
    }

    void enterOnAFocusedButtonPressesIt() {
        QFETCH(QString, button);
        QFETCH(QKeyCombination, key);
        QFETCH(QStringList, boxes);
        QFETCH(QString, opens);
        QTest::keyClicks(input_, QStringLiteral("6"));
        find(qPrintable(button))->setFocus();
        const ModalWatch watch;
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QCOMPARE(pressed_, QStringList{button});
        QCOMPARE(watch.description().value(0), opens);
        QCOMPARE(this->boxes(), boxes);
    }

    // Enter calculates and presses no button; the focus and the input stay, so Enter again
    // gives the same result.
    void enterInTheInputBoxCalculatesAgainAndAgain() {
        QTest::keyClicks(input_, QStringLiteral("6"));
        const ModalWatch watch;
        for (int press = 0; press < 2; ++press) {
            QTest::keyClick(input_, Qt::Key_Return);
            QCOMPARE(boxes(), (QStringList{"6", "2", "5.5"}));
            QCOMPARE(QApplication::focusWidget(), input_);
        }
        QCOMPARE(watch.description(), QStringList());
        QCOMPARE(pressed_, QStringList());
    }

    // Also run at 200 % by a ctest entry of its own: the sharp drawing, not the small enlarged.
    void pictureShowsTheDrawingAtItsNaturalSize() {
        auto* picture = find<QFrame>("Picture1");
        QCOMPARE(picture->contentsRect(), QRect(2, 2, 307, 358)); // inside a 2-pixel border
        const QImage shown =
            picture->grab(picture->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage drawing(picture->devicePixelRatio() == 2 ? ":/pin/pin@2x.png"
                                                              : ":/pin/pin.png");
        QCOMPARE(shown, drawing.convertToFormat(QImage::Format_RGB32));
    }

    // "10" by a click, then the row's input by its trigger (none: a click), then Refresh.
    void unusableInputGetsTheBox_data() {
        const QString notNumeric = QStringLiteral("您输入内孔直径不是数值型，请核对后重新输入！");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QKeyCombination>("trigger");
        QTest::newRow("abc, click") << "abc" << notNumeric << QKeyCombination();
        QTest::newRow("empty, Enter")
            << "" << QStringLiteral("您没有输入定位孔的直径！") << QKeyCombination(Qt::Key_Return);
        QTest::newRow("55, Shift+Enter") << "55" << QStringLiteral("您输入的内孔直径超出范围！")
                                         << (Qt::ShiftModifier | Qt::Key_Return);
        QTest::newRow("10 000 letters, Ctrl+Enter")
            << QString(10'000, u'x') << notNumeric << (Qt::ControlModifier | Qt::Key_Return);
        QTest::newRow("emoji, NUL, right-to-left marks, keypad Enter")
            << QStringLiteral("\u200F1😀") + QChar(u'\0') + "0\u200F" << notNumeric
            << (Qt::KeypadModifier | Qt::Key_Enter);
    }

    void unusableInputGetsTheBox() {
        QFETCH(QString, input);
        QFETCH(QString, message);
        QFETCH(QKeyCombination, trigger);
        auto* calculate = find<QPushButton>("Command1");
        QTest::keyClicks(input_, QStringLiteral("10"));
        QTest::mouseClick(calculate, Qt::LeftButton);
        QCOMPARE(boxes(), (QStringList{"10", "4", "8"}));
        QCOMPARE(QApplication::focusWidget(), calculate);

        input_->setFocus();
        input_->setText(input);
        QStringList whileShown;
        const ModalWatch watch([&](QWidget&) { whileShown = boxes(); });
        trigger.key() == Qt::Key_unknown
            ? QTest::mouseClick(calculate, Qt::LeftButton)
            : QTest::keyClick(input_, trigger.key(), trigger.keyboardModifiers());
        QCOMPARE(watch.description(),
                 (QStringList{"QMessageBox", "Tovrel", "Critical", "Ok", message}));
        QCOMPARE(whileShown, (QStringList{input, "4", "8"}));
        QCOMPARE(boxes(), (QStringList{"", "4", "8"}));
        QCOMPARE(pin_->focusWidget(), input_);

        QTest::mouseClick(find("Command3"), Qt::LeftButton); // Refresh
        QCOMPARE(boxes(), QStringList(3, QString()));
        QCOMPARE(pin_->focusWidget(), input_);
    }

    void exitByAltQEndsTheProgramWithStatusZero() {
        QTimer::singleShot(0, [this] { QTest::keyClick(input_, Qt::Key_Q, Qt::AltModifier); });
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
    QStringList pressed_; // the buttons pressed since the window opened, in order
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<PinTest>();
}

#include "pin_test.moc"
