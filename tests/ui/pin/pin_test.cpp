// The main window as the program shows it at start, driven by keys and clicks.
#include "tests/support/qt/qt_window_test.h"
#include "ui/pin/pin.h"
#include "ui/shell/window_system.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <algorithm>

class PinTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        pin_ = std::make_unique<ui::Pin>();
        ui::shell::showStartupWindow(*pin_);
        pin_->activateWindow(); // as a click would, where a window manager holds the focus back
        QVERIFY(QTest::qWaitForWindowActive(pin_.get()));
        input_ = find<QLineEdit>("Text1");
        QTRY_COMPARE(QApplication::focusWidget(), input_);
        pressed_.clear();
        for (auto* button : pin_->findChildren<QPushButton*>()) {
            connect(button, &QPushButton::clicked, this,
                    [this, button] { pressed_ << button->objectName(); });
        }
    }

    // On one line, not cut, and every character from the face chosen for the control ("宋体" a
    // Chinese one), none from a fallback.
    void everyTextFitsItsControlInItsOwnFace() {
        const int buttonMargin = 2 * pin_->style()->pixelMetric(QStyle::PM_ButtonMargin);
        for (QWidget* control : pin_->findChildren<QWidget*>()) {
            auto* frame = qobject_cast<QGroupBox*>(control);
            const QString text =
                frame ? frame->title() : control->property("text").toString().remove(u'&');
            const QFontMetrics metrics(control->font());
            const int room =
                control->width() - (control->inherits("QPushButton") ? buttonMargin : 0);
            QVERIFY2(metrics.horizontalAdvance(text) <= room &&
                         metrics.tightBoundingRect(text).height() <= control->height() &&
                         std::ranges::all_of(text.toUcs4(),
                                             [&](char32_t c) { return metrics.inFontUcs4(c); }),
                     qPrintable(control->objectName()));
        }
    }

    // Label5 reaches under Command3, Label3(1) a pixel under Text2(1): the button and the box are
    // drawn over them, and Label5's text ends before the button.
    void controlsOverlapOnlyWhereTheFormMeansIt() {
        QStringList overlaps;
        for (QWidget* a : pin_->findChildren<QWidget*>()) {
            for (QWidget* b :
                 a->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QRect shared = a->geometry() & b->geometry();
                if (a->objectName() < b->objectName() && !shared.isEmpty()) {
                    overlaps << a->objectName() + "+" + b->objectName() + " under " +
                                    a->parentWidget()->childAt(shared.center())->objectName();
                }
            }
        }
        overlaps.sort();
        QCOMPARE(overlaps,
                 (QStringList{"Command3+Label5 under Command3", "Label3_1+Text2_1 under Text2_1"}));
        auto* note = find<QLabel>("Label5");
        QVERIFY(note->x() + note->fontMetrics().horizontalAdvance(note->text()) <=
                find("Command3")->x());
    }

    // Round the chain by Tab, then back by Shift+Tab.
    void tabAndShiftTabWalkTheFocusChain() {
        QStringList visited;
        for (const QString key : {"Tab", "Shift+Tab"}) {
            for (int step = 0; step < 8; ++step) {
                pressKeys(key);
                visited << QApplication::focusWidget()->objectName();
            }
        }
        QCOMPARE(visited.join(u' '), "Command1 Command3 Command4 Command2 Text2_1 Text2_0 Picture1 "
                                     "Text1 Picture1 Text2_0 Text2_1 Command2 Command4 Command3 "
                                     "Command1 Text1");
    }

    // Typing, deleting, pasting and cutting change nothing; selecting and copying work.
    void readOutBoxesKeepTheirTextButCopyIt() {
        QTest::keyClicks(input_, QStringLiteral("10\r"));
        for (auto* box : {find<QLineEdit>("Text2_0"), find<QLineEdit>("Text2_1")}) {
            box->setFocus();
            QApplication::clipboard()->setText(QStringLiteral("7"));
            pressKeys(QStringLiteral("9, Ctrl+V, Backspace, Ctrl+A"));
            pressKeys(QStringLiteral("Ctrl+X, Del, Ctrl+A, Ctrl+C"));
            QCOMPARE(QApplication::clipboard()->text(), box->text());
        }
        QCOMPARE(boxes(), QStringLiteral("10/4/8"));
    }

    // After "10" and Enter, the row's input and keys pressed in the row's control: the buttons
    // pressed, the modal window shown (with the boxes while it is up), the boxes and the focus.
    void keys_data() {
        const QString notNumeric = "QMessageBox Tovrel Critical Ok "
                                   "您输入内孔直径不是数值型，请核对后重新输入！ | ";
        const QString about = QStringLiteral("ui::PinAbout 关于Tovrel  | 6/4/8");
        for (const auto& column : {"input", "in", "keys", "pressed", "shown", "boxes", "focus"}) {
            QTest::addColumn<QString>(column);
        }
        const auto row = [](const char* name, const QString& input, const char* in,
                            const char* keys, const char* pressed, const QString& shown,
                            const char* boxes, const char* focus) {
            QTest::newRow(name) << input << in << keys << pressed << shown << boxes << focus;
        };
        row("Enter twice in the input", "6", "Text1", "Return, Return", "", "", "6/2/5.5", "Text1");
        row("abc", "abc", "Text1", "Return", "", notNumeric + "abc/4/8", "/4/8", "Text1");
        row("empty, Shift+Enter", "", "Text1", "Shift+Return", "",
            "QMessageBox Tovrel Critical Ok 您没有输入定位孔的直径！ | /4/8", "/4/8", "Text1");
        row("55, Ctrl+Enter", "55", "Text1", "Ctrl+Return", "",
            "QMessageBox Tovrel Critical Ok 您输入的内孔直径超出范围！ | 55/4/8", "/4/8", "Text1");
        row("Alt+C", "6", "Text1", "Alt+C", "Command1", "", "6/2/5.5", "Text1");
        row("Alt+R", "6", "Text1", "Alt+R", "Command3", "", "//", "Text1");
        row("Alt+R, a new diameter at once", "6", "Text1", "Alt+R, 1, 2", "Command3", "", "12//",
            "Text1");
        row("Alt+A", "6", "Text1", "Alt+A", "Command4", about, "6/4/8", "Text1");
        row("Enter on Calculate", "6", "Command1", "Return", "Command1", "", "6/2/5.5", "Command1");
        row("Space on Calculate, abc", "abc", "Command1", "Space", "Command1",
            notNumeric + "abc/4/8", "/4/8", "Text1");
        row("keypad Enter on Refresh", "6", "Command3", "Num+Enter", "Command3", "", "//", "Text1");
        row("Enter on About", "6", "Command4", "Return", "Command4", about, "6/4/8", "Command4");
    }

    void keys() {
        QFETCH(QString, input);
        QFETCH(QString, in);
        QFETCH(QString, keys);
        QTest::keyClicks(input_, QStringLiteral("10\r"));
        input_->setText(input);
        find(qPrintable(in))->setFocus();
        QString whileShown;
        const ModalWatch watch([&](QWidget&) { whileShown = " | " + boxes(); });
        pressKeys(keys);
        QFETCH(QString, pressed);
        QTRY_COMPARE(pressed_.join(u' '), pressed);
        QTest::qWait(150); // what Qt's own access keys would still press by now
        QTEST(watch.description.join(u' ') + whileShown, "shown");
        QTEST(boxes(), "boxes");
        QTEST(pin_->focusWidget()->objectName(), "focus");
    }

    // Also run at 200 % by a ctest entry of its own: the sharp drawing, not the small enlarged.
    void pictureShowsTheDrawingAtItsNaturalSize() {
        auto* picture = find<QFrame>("Picture1");
        QCOMPARE(picture->contentsRect(), QRect(2, 2, 307, 358)); // inside a 2-pixel border
        const QImage shown = picture->grab(picture->contentsRect()).toImage();
        const QImage drawing(picture->devicePixelRatio() == 2 ? ":/pin/pin@2x.png"
                                                              : ":/pin/pin.png");
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 drawing.convertToFormat(QImage::Format_RGB32));
    }

    // The start-up window alone, centred by its whole frame, with its caption, no maximize
    // button and the gear, also at 200 %; then Exit by its access key.
    void startsAloneCentredAndAltQEndsTheProgramWithStatusZero() {
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 1);
        const QPoint screenCentre = pin_->screen()->availableGeometry().center();
        QTRY_VERIFY((pin_->frameGeometry().center() - screenCentre).manhattanLength() <= 1);
        QCOMPARE(pin_->windowTitle(), QStringLiteral("Quarnest－Tovrel"));
        QVERIFY(!(pin_->windowFlags() & Qt::WindowMaximizeButtonHint) &&
                (pin_->windowFlags() & Qt::MSWindowsFixedSizeDialogHint) &&
                pin_->minimumSize() == pin_->maximumSize());
        const QImage gear = pin_->windowIcon().pixmap(QSize(32, 32), 2.0).toImage();
        QVERIFY(gear.width() == 64 && qAlpha(gear.pixel(0, 0)) == 0 && qAlpha(gear.pixel(32, 8)));
        QTimer::singleShot(0, [this] { QTest::keyClick(input_, Qt::Key_Q, Qt::AltModifier); });
        QTimer::singleShot(10'000, [] { QApplication::exit(1); }); // a press that went astray
        QCOMPARE(QApplication::exec(), 0);
    }

private:
    template <class Control = QWidget>
    Control* find(const char* name) {
        return pin_->findChild<Control*>(QLatin1String(name));
    }

    // The texts of Text1, Text2(0) and Text2(1).
    QString boxes() {
        return input_->text() + "/" + find<QLineEdit>("Text2_0")->text() + "/" +
               find<QLineEdit>("Text2_1")->text();
    }

    std::unique_ptr<ui::Pin> pin_;
    QLineEdit* input_ = nullptr;
    QStringList pressed_; // the buttons pressed since the window opened, in order
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<PinTest>();
}

#include "pin_test.moc"
