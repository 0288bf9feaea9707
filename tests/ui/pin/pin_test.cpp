#include "app/application.h"
#include "app/window_system.h"
#include "ui/pin/pin.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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

    void controls_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QFont>("font");    // none: the window's own font
        QTest::addColumn<QColor>("colour"); // invalid: the platform's colour
        const QFont F1(QStringLiteral("宋体"), 9, QFont::Bold), F3(QStringLiteral("Arial"), 9);
        QFont F2(QStringLiteral("Times New Roman"));
        F2.setPointSizeF(14.25);
        auto row = [](const char* name, const char* kind, const char* text, QRect twips,
                      const QFont& font = QFont(QString()), const QColor& colour = {}) {
            QTest::newRow(name) << kind << QString::fromUtf8(text) << twips << font << colour;
        };
        row("Frame1", "QGroupBox", "Tovrel", {4920, 120, 5295, 5415}, F1);
        row("Command4", "QPushButton", "关于(&A)", {3960, 3240, 1095, 400});
        row("Command3", "QPushButton", "刷新(&R)", {3960, 2280, 1095, 400});
        row("Command2", "QPushButton", "退出(&Q)", {3960, 4320, 1095, 400});
        row("Text2_1", "QLineEdit", "", {1680, 4320, 1455, 450}, F2);
        row("Text2_0", "QLineEdit", "", {1680, 3240, 1455, 450}, F2);
        row("Command1", "QPushButton", "计算(&C)", {3960, 1320, 1095, 400});
        row("Text1", "QLineEdit", "", {1680, 1320, 1455, 450}, F2);
        row("Label6_2", "QLabel", "(mm)", {3240, 4440, 495, 255}, F3);
        row("Label6_1", "QLabel", "(mm)", {3240, 3360, 495, 255}, F3);
        row("Label6_0", "QLabel", "(mm)", {3240, 1440, 495, 255}, F3);
        row("Label5", "QLabel", "注意：3≤D2≤50，计算结果仅作为参考!", {240, 2160, 4095, 255}, F1,
            QColor(255, 0, 0));
        row("Label3_1", "QLabel", "B =", {960, 4440, 735, 375}, F2);
        row("Label4", "QLabel", "计算结果：", {240, 2760, 1695, 255}, F1, QColor(0, 128, 0));
        row("Label3_0", "QLabel", "b =", {960, 3360, 615, 255}, F2);
        row("Label2", "QLabel", "定位孔直径D2：", {240, 1440, 1335, 255});
        row("Label1", "QLabel", "请在下面方框中输入定位孔直径D2，然后点击计算按钮！",
            {240, 600, 4935, 375});
        row("Picture1", "ui::PinPicture", "", {120, 120, 4665, 5430});
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
        // 15 twips are one pixel at 96 dpi; each figure rounded to nearest.
        QCOMPARE(control->geometry(), QRect(twips.topLeft() / 15.0, twips.size() / 15.0));
        // Controls without a font of their own keep the window's, not the bold one of Frame1.
        QCOMPARE(control->font(), font.family().isEmpty() ? pin_->font() : font);
        QCOMPARE(control->palette().color(QPalette::WindowText),
                 colour.isValid() ? colour
                                  : QApplication::palette(control).color(QPalette::WindowText));
        if (auto* label = qobject_cast<QLabel*>(control)) {
            // Each text fits its label on one line in the fonts the platform has.
            QVERIFY((label->alignment() & Qt::AlignLeft) && label->autoFillBackground() &&
                    label->wordWrap() &&
                    QFontMetrics(label->font()).horizontalAdvance(text) <= label->width());
        } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(box->alignment(), Qt::AlignCenter);
            QCOMPARE(box->isReadOnly(), box != input_);
        }
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
        QSignalSpy clicks(find<QPushButton>(qPrintable(button)), &QPushButton::clicked);
        const auto watcher = watchModals();
        QTest::keyClick(input_, key, Qt::AltModifier);
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(shown_.value(0), opens);
    }

    // Also run at 200 % by a ctest entry of its own: the sharp drawing, not the small enlarged.
    void pictureShowsTheDrawingAtItsNaturalSize() {
        auto* picture = find<QFrame>("Picture1");
        QCOMPARE(picture->contentsRect(), QRect(2, 2, 307, 358)); // inside a 2-pixel border
        const QImage shown =
            picture->grab(picture->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(shown != shown.copy(0, 0, 1, 1).scaled(shown.size())); // not blank
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
        const auto watcher = watchModals();
        trigger.key() == Qt::Key_unknown
            ? QTest::mouseClick(calculate, Qt::LeftButton)
            : QTest::keyClick(input_, trigger.key(), trigger.keyboardModifiers());
        QCOMPARE(shown_, (QStringList{"QMessageBox", "Tovrel", "Critical", "Ok", message, input,
                                      "4", "8"}));
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

    // While the returned timer lives, each modal window that shows is described in `shown_` (its
    // class, caption, a box's icon, buttons and text, the window's boxes), then closed with Esc.
    std::unique_ptr<QTimer> watchModals() {
        shown_.clear();
        auto poll = std::make_unique<QTimer>();
        poll->callOnTimeout([this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown_ = QStringList{modal->metaObject()->className(), modal->windowTitle()};
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    shown_ << QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon())
                           << QMetaEnum::fromType<QMessageBox::StandardButtons>().valueToKey(
                                  box->standardButtons().toInt())
                           << box->text();
                }
                shown_ += boxes();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        poll->start(10);
        return poll;
    }

    // The texts of Text1, Text2(0) and Text2(1).
    QStringList boxes() {
        return {input_->text(), find<QLineEdit>("Text2_0")->text(),
                find<QLineEdit>("Text2_1")->text()};
    }

    std::unique_ptr<ui::Pin> pin_;
    QLineEdit* input_ = nullptr;
    QStringList shown_;
};

// Under the program's own application object: its fonts, icon and handling of untrapped errors.
int main(int argc, char** argv) {
    app::Application application(argc, argv);
    PinTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pin_test.moc"
