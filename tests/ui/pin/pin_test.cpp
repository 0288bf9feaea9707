// The main window as the program shows it at start, driven by keys and clicks.
#include "tests/support/qt/qt_window_test.h"
#include "ui/pin/pin.h"
#include "ui/shell/window_system.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <algorithm>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

class PinTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        pin_ = std::make_unique<ui::Pin>();
        ui::shell::showStartupWindow(*pin_);
        pin_->activateWindow(); // as a click would, where a window manager holds the focus back
        QVERIFY(QTest::qWaitForWindowActive(pin_.get()));
        input_ = pin_->findChild<QLineEdit*>("Text1");
        QTRY_COMPARE(QApplication::focusWidget(), input_);
        pressed_.clear();
        for (auto* button : pin_->findChildren<QPushButton*>()) {
            connect(button, &QPushButton::clicked, this,
                    [this, button] { pressed_ << button->objectName(); });
        }
    }

    // Every character of every text from the face chosen for its control ("宋体" a Chinese one),
    // none from a fallback. That the texts show whole, ui.whole_texts measures.
    void everyTextIsInItsOwnFace() {
        for (QWidget* control : pin_->findChildren<QWidget*>()) {
            const QString text =
                control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
            const QFontMetrics metrics(control->font());
            const QString face = QFontInfo(control->font()).family(); // what "宋体" resolved to
            QVERIFY2(std::ranges::all_of(text.toUcs4(),
                                         [&](char32_t c) { return metrics.inFontUcs4(c); }) &&
                         (control->font().family() != u"宋体" ||
                          QFontDatabase::writingSystems(face).contains(
                              QFontDatabase::SimplifiedChinese)),
                     qPrintable(control->objectName() + ": " + face));
        }
    }

    void tabWalksTheFocusChain() {
        QString visited;
        for (int step = 0; step < 8; ++step) {
            pressKeys("Tab");
            visited += QApplication::focusWidget()->objectName() + ' ';
        }
        QCOMPARE(visited, "Command1 Command3 Command4 Command2 Text2_1 Text2_0 Picture1 Text1 ");
    }

    // After "10" and Enter, the row's input and keys pressed where the focus is: the modal window
    // shown (with the boxes while it is up), then the buttons pressed, the boxes and the focus. The
    // read-only boxes, reached by Shift+Tab, keep their text whatever is typed, pasted or cut, but
    // copy it; it is pasted back in Text1.
    void keys_data() {
        const QString box = "QMessageBox " + applicationTitle() + " Critical 确定 ";
        const QString notNumeric = box + "您输入内孔直径不是数值型，请核对后重新输入！ | abc/4/8";
        const QString about = "ui::PinAbout 关于" + applicationTitle() + "  | 6/4/8";
        const QString readOnly = "9, Ctrl+V, Backspace, Ctrl+A, Ctrl+X, Del, Ctrl+C, ";
        for (const char* column : {"input", "keys", "shown", "after"}) {
            QTest::addColumn<QString>(column);
        }
        const auto row = [](const char* name, const char* input, const QString& keys,
                            const QString& shown, const char* after) {
            QTest::newRow(name) << input << keys << shown << after;
        };
        row("Enter, then keypad Enter on a new diameter", "8", "Return, Backspace, 6, Num+Enter",
            "", "6/2/5.5 Text1");
        row("empty, Shift+Enter", "", "Shift+Return", box + "您没有输入定位孔的直径！ | /4/8",
            "/4/8 Text1");
        row("55, Ctrl+Enter", "55", "Ctrl+Return", box + "您输入的内孔直径超出范围！ | 55/4/8",
            "/4/8 Text1");
        row("Alt+C", "6", "Alt+C", "", "Command1 6/2/5.5 Text1");
        row("Alt+R, a new diameter at once", "6", "Alt+R, 1, 2", "", "Command3 12// Text1");
        row("Alt+A", "6", "Alt+A", about, "Command4 6/4/8 Text1");
        row("Space on Calculate, abc", "abc", "Tab, Space", notNumeric, "Command1 /4/8 Text1");
        row("Enter on About", "6", "Tab, Tab, Tab, Return", about, "Command4 6/4/8 Command4");
        row("Text2(1) and Text2(0) copied into Text1", "10",
            "Shift+Tab, Shift+Tab, Shift+Tab, " + readOnly + "Tab, Tab, Tab, Ctrl+A, Ctrl+V, " +
                "Shift+Tab, Shift+Tab, " + readOnly + "Tab, Tab, End, Ctrl+V",
            "", "84/4/8 Text1");
    }

    void keys() {
        QFETCH(QString, input);
        QFETCH(QString, keys);
        QTest::keyClicks(input_, QStringLiteral("10\r"));
        input_->setText(input);
        QString whileShown;
        const ModalWatch watch([&](QWidget&) { whileShown = " | " + boxes(); });
        pressKeys(keys);
        QTest::qWait(150); // what Qt's own access keys would still press by now
        QTEST(watch.description.join(u' ') + whileShown, "shown");
        QTEST((pressed_ + QStringList{boxes(), pin_->focusWidget()->objectName()}).join(u' '),
              "after");
    }

    // What a screen reader says at each stop that is no button: names with the unit in the
    // description, the caption that labels each box, the drawing a graphic (its description up
    // to the first comma).
    void screenReaderKnowsEachStop() {
        QStringList heard;
        for (const char* stop : {"Text1", "Text2_0", "Text2_1", "Picture1"}) {
            heard << accessibleSummary(*pin_, stop).section("，", 0, 0);
        }
        QCOMPARE(heard, (QStringList{
                            "EditableText 定位孔直径D2 单位：毫米；范围：3 至 50；按 Enter 计算 | "
                            "定位孔直径D2",
                            "EditableText 窄边宽度 b 单位：毫米 | 窄边宽度 b",
                            "EditableText 两角间宽度 B 单位：毫米 | 两角间宽度 B",
                            "Graphic 菱形定位销示意图 定位孔内菱形定位销的截面图",
                        }));
    }

    // Each result is told as it appears, the focus staying in the input.
    void resultsAreAnnouncedWhereTheFocusStays() {
        const HeardEvents events;
        QTest::keyClicks(input_, "6\r");
        input_->setText("50");
        QTest::keyClick(input_, Qt::Key_Return);
        QStringList told;
        for (const QString results :
             {"b 为 2 毫米，两角间宽度 B 为 5.5", "b 为 8 毫米，两角间宽度 B 为 45"}) {
            const QString words = " Notification 计算结果：窄边宽度 " + results + " 毫米";
            told << "ObjectShow" + words << "ValueChanged" + words;
        }
        QCOMPARE(events.heard.filter(QRegularExpression("^(ObjectShow|ValueChanged) Notif")), told);
        QCOMPARE(QApplication::focusWidget(), input_);
    }

    // Qt 6.4's own answer to the word at the end of the text loops for ever; the text has no
    // attributes, so one run covers it all (Qt's own runs drop the last character).
    void lineEditTellsItsLastWordAndOneRunOfAttributes() {
        input_->setText("5.5");
        auto* text = QAccessible::queryAccessibleInterface(input_)->textInterface();
        int at[4] = {};
        QCOMPARE(text->textAtOffset(3, QAccessible::WordBoundary, &at[0], &at[1]), "5.5");
        text->attributes(1, &at[2], &at[3]);
        QCOMPARE(QList<int>(std::begin(at), std::end(at)), QList<int>({0, 3, 0, 3}));
    }

    // Also run at 200 % by a ctest entry of its own: the sharp drawing, not the small enlarged.
    void pictureShowsTheDrawingAtItsNaturalSize() {
        auto* picture = pin_->findChild<QFrame*>("Picture1");
        const QImage drawing(picture->devicePixelRatio() == 2 ? ":/pin/pin@2x.png"
                                                              : ":/pin/pin.png");
        QCOMPARE(
            picture->grab(picture->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32),
            drawing.convertToFormat(QImage::Format_RGB32));
    }

    // The start-up window alone, centred by its whole frame, with its caption, no maximize button
    // and, on Windows, a border that does not size (no thick frame); then Exit by its access key.
    void startsAloneCentredAndAltQEndsTheProgramWithStatusZero() {
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 1);
        const QPoint screenCentre = pin_->screen()->availableGeometry().center();
        QTRY_VERIFY((pin_->frameGeometry().center() - screenCentre).manhattanLength() <= 1);
        QCOMPARE(pin_->windowTitle(), "Quarnest－" + applicationTitle());
        QVERIFY(!(pin_->windowFlags() & Qt::WindowMaximizeButtonHint) &&
                pin_->minimumSize() == pin_->maximumSize());
#ifdef Q_OS_WIN
        QVERIFY(!(GetWindowLongPtrW(HWND(pin_->winId()), GWL_STYLE) & WS_THICKFRAME));
#endif
        QTimer::singleShot(0, [] { pressKeys("Alt+Q"); });
        QTimer::singleShot(10'000, [] { QApplication::exit(1); }); // a press that went astray
        QCOMPARE(QApplication::exec(), 0);
    }

private:
    // The texts of Text1, Text2(0) and Text2(1).
    QString boxes() {
        return input_->text() + "/" + pin_->findChild<QLineEdit*>("Text2_0")->text() + "/" +
               pin_->findChild<QLineEdit*>("Text2_1")->text();
    }

    std::unique_ptr<ui::Pin> pin_;
    QLineEdit* input_ = nullptr;
    QStringList pressed_; // the buttons pressed since the window opened, in order
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<PinTest>();
}

#include "pin_test.moc"
