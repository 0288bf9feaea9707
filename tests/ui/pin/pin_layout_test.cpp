#include "pin_test_support.h"
#include "ui/pin/pin_picture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

namespace {

// 15 twips are one pixel at 96 dpi.
int pixels(int twips) {
    return qRound(twips / 15.0);
}

QRect pixelsOf(const QRect& twips) {
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

enum class Font { F1, F2, F3, WindowDefault, None };

QString textOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* box = qobject_cast<const QLineEdit*>(control)) {
        return box->text();
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    return {};
}

const QStringList focusOrder{"Text1",    "Command1", "Command3", "Command4",
                             "Command2", "Text2_1",  "Text2_0",  "Picture1"};

} // namespace

class PinLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        pin_ = std::make_unique<pin_test::ShownPin>();
        QVERIFY(QTest::qWaitForWindowActive(&pin_->window()));
    }

    void cleanup() { pin_.reset(); }

    void windowHasFixedSizeCaptionAndTitleBarButtons() {
        ui::Pin& pin = pin_->window();
        const QSize client(pixels(10335), pixels(5685));
        QCOMPARE(pin.windowTitle(), QStringLiteral("Quarnest－Tovrel"));
        QCOMPARE(pin.size(), client);
        QCOMPARE(pin.minimumSize(), client);
        QCOMPARE(pin.maximumSize(), client);
        const Qt::WindowFlags flags = pin.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

        pin.resize(client + QSize(120, 80));
        QCOMPARE(pin.size(), client);
        pin.showMinimized();
        QTRY_VERIFY(pin.isMinimized());
        pin.showNormal();
        QTRY_VERIFY(!pin.isMinimized());
        QCOMPARE(pin.size(), client);
    }

    void startsCentredEmptyWithFocusInInput() {
        ui::Pin& pin = pin_->window();
        const QRect available = pin.screen()->availableGeometry();
        QVERIFY((pin.frameGeometry().center() - available.center()).manhattanLength() <= 3);
        for (const char* name : {"Text1", "Text2_0", "Text2_1"}) {
            auto* box = pin_->control<QLineEdit>(name);
            QVERIFY2(box, name);
            QVERIFY2(box->text().isEmpty(), name);
        }
        QCOMPARE(QApplication::focusWidget(), pin_->control("Text1"));
    }

    void controls_data() {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<Font>("font");

        const QString window = QStringLiteral("Pin");
        const QString frame = QStringLiteral("Frame1");
        auto row = [](const char* name, const QString& container, const char* kind,
                      const QString& text, QRect twips, Font font) {
            QTest::newRow(name) << container << QByteArray(kind) << text << twips << font;
        };
        row("Frame1", window, "QGroupBox", "Tovrel", {4920, 120, 5295, 5415}, Font::F1);
        row("Command4", frame, "QPushButton", "关于(&A)", {3960, 3240, 1095, 400},
            Font::WindowDefault);
        row("Command3", frame, "QPushButton", "刷新(&R)", {3960, 2280, 1095, 400},
            Font::WindowDefault);
        row("Command2", frame, "QPushButton", "退出(&Q)", {3960, 4320, 1095, 400},
            Font::WindowDefault);
        row("Text2_1", frame, "QLineEdit", "", {1680, 4320, 1455, 450}, Font::F2);
        row("Text2_0", frame, "QLineEdit", "", {1680, 3240, 1455, 450}, Font::F2);
        row("Command1", frame, "QPushButton", "计算(&C)", {3960, 1320, 1095, 400},
            Font::WindowDefault);
        row("Text1", frame, "QLineEdit", "", {1680, 1320, 1455, 450}, Font::F2);
        row("Label6_2", frame, "QLabel", "(mm)", {3240, 4440, 495, 255}, Font::F3);
        row("Label6_1", frame, "QLabel", "(mm)", {3240, 3360, 495, 255}, Font::F3);
        row("Label6_0", frame, "QLabel", "(mm)", {3240, 1440, 495, 255}, Font::F3);
        row("Label5", frame, "QLabel", "注意：3≤D2≤50，计算结果仅作为参考!", {240, 2160, 4095, 255},
            Font::F1);
        row("Label3_1", frame, "QLabel", "B =", {960, 4440, 735, 375}, Font::F2);
        row("Label4", frame, "QLabel", "计算结果：", {240, 2760, 1695, 255}, Font::F1);
        row("Label3_0", frame, "QLabel", "b =", {960, 3360, 615, 255}, Font::F2);
        row("Label2", frame, "QLabel", "定位孔直径D2：", {240, 1440, 1335, 255},
            Font::WindowDefault);
        row("Label1", frame, "QLabel", "请在下面方框中输入定位孔直径D2，然后点击计算按钮！",
            {240, 600, 4935, 375}, Font::WindowDefault);
        row("Picture1", window, "ui::PinPicture", "", {120, 120, 4665, 5430}, Font::None);
    }

    void controls() {
        QFETCH(QString, container);
        QFETCH(QByteArray, kind);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        QFETCH(Font, font);

        QWidget* control = pin_->control(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QVERIFY2(control->inherits(kind), control->metaObject()->className());
        QVERIFY(control->parentWidget());
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(textOf(control), text);
        QCOMPARE(control->geometry(), pixelsOf(twips));
        QVERIFY(control->isVisible());

        const QFont actual = control->font();
        QVERIFY(!actual.italic() && !actual.underline() && !actual.strikeOut());
        switch (font) {
        case Font::F1:
            QCOMPARE(actual.family(), QStringLiteral("宋体"));
            QCOMPARE(actual.pointSizeF(), 9.0);
            QCOMPARE(actual.weight(), QFont::Bold);
            break;
        case Font::F2:
            QCOMPARE(actual.family(), QStringLiteral("Times New Roman"));
            QCOMPARE(actual.pointSizeF(), 14.25);
            QCOMPARE(actual.weight(), QFont::Normal);
            break;
        case Font::F3:
            QCOMPARE(actual.family(), QStringLiteral("Arial"));
            QCOMPARE(actual.pointSizeF(), 9.0);
            QCOMPARE(actual.weight(), QFont::Normal);
            break;
        case Font::WindowDefault: {
            // The window's own font, not the bold one of the frame they sit in.
            const QFont windowFont = pin_->window().font();
            QCOMPARE(actual.family(), windowFont.family());
            QCOMPARE(actual.pointSizeF(), windowFont.pointSizeF());
            QCOMPARE(actual.weight(), windowFont.weight());
            break;
        }
        case Font::None:
            break;
        }
    }

    void labelsAreLeftAlignedOpaqueWrappingPlainTextInTheirColour_data() {
        QTest::addColumn<QColor>("colour");
        const QColor platform = QApplication::palette().color(QPalette::WindowText);
        for (const char* name :
             {"Label1", "Label2", "Label3_0", "Label3_1", "Label6_0", "Label6_1", "Label6_2"}) {
            QTest::newRow(name) << platform;
        }
        QTest::newRow("Label5") << QColor(255, 0, 0);
        QTest::newRow("Label4") << QColor(0, 128, 0);
    }

    void labelsAreLeftAlignedOpaqueWrappingPlainTextInTheirColour() {
        QFETCH(QColor, colour);
        auto* label = pin_->control<QLabel>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(label);
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(label->autoFillBackground());
        QVERIFY(label->wordWrap());
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), colour);
        QCOMPARE(label->palette().color(QPalette::Inactive, QPalette::WindowText), colour);
        // Each text is meant to fit on one line of its label.
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(QString::number(
                     QFontMetrics(label->font()).horizontalAdvance(label->text()))));
    }

    void noteReachesUnderRefreshWhichStaysOnTop() {
        auto* frame = pin_->control(QStringLiteral("Frame1"));
        auto* note = pin_->control<QLabel>(QStringLiteral("Label5"));
        auto* refresh = pin_->control(QStringLiteral("Command3"));
        QVERIFY(frame && note && refresh);
        const QRect strip = pixelsOf(QRect(QPoint(3960, 2280), QPoint(4335, 2415)));
        QVERIFY(note->geometry().contains(strip));
        QVERIFY(refresh->geometry().contains(strip));
        for (const QPoint corner :
             {strip.topLeft(), strip.topRight(), strip.bottomLeft(), strip.bottomRight()}) {
            QCOMPARE(frame->childAt(corner), refresh);
        }
        const int textEnd = note->x() + QFontMetrics(note->font()).horizontalAdvance(note->text());
        QVERIFY2(textEnd < refresh->x(), qPrintable(QString::number(textEnd)));
    }

    void textBoxes_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("Text1") << false << QStringLiteral("定位孔直径D2");
        QTest::newRow("Text2_0") << true << QStringLiteral("b");
        QTest::newRow("Text2_1") << true << QStringLiteral("B");
    }

    void textBoxes() {
        QFETCH(bool, readOnly);
        QFETCH(QString, accessibleName);
        auto* box = pin_->control<QLineEdit>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(box);
        QCOMPARE(box->isReadOnly(), readOnly);
        QCOMPARE(box->alignment(), Qt::AlignCenter);
        QVERIFY(box->focusPolicy() & Qt::TabFocus);
        QCOMPARE(box->echoMode(), QLineEdit::Normal);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), accessibleName);

        // No length limit: a long text is kept whole.
        const QString longText(100'000, QLatin1Char('7'));
        box->setText(longText);
        QCOMPARE(box->text(), longText);
    }

    void readOutsIgnoreTypingButCanBeCopied() {
        QLineEdit* input = pin_->input();
        QTest::keyClicks(input, QStringLiteral("10"));
        QTest::keyClick(input, Qt::Key_Return);
        for (QLineEdit* box : {pin_->bBox(), pin_->BBox()}) {
            const QString shown = box->text();
            QVERIFY(!shown.isEmpty());
            box->setFocus();
            QCOMPARE(QApplication::focusWidget(), box);
            QTest::keyClicks(box, QStringLiteral("99x"));
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClick(box, Qt::Key_Delete);
            QCOMPARE(box->text(), shown);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(box->selectedText(), shown);
            box->copy();
            QCOMPARE(QApplication::clipboard()->text(), shown);
        }
    }

    void pictureIsDescribedForScreenReaders() {
        QWidget* picture = pin_->control(QStringLiteral("Picture1"));
        QVERIFY(picture);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(picture);
        QVERIFY(accessible);
        QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
        QVERIFY(accessible->text(QAccessible::Description).contains(QStringLiteral("D2")));
    }

    void tabVisitsControlsInOrderAndWrapsAround() {
        QCOMPARE(QApplication::focusWidget()->objectName(), focusOrder.first());
        for (qsizetype step = 1; step <= focusOrder.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(),
                     focusOrder.at(step % focusOrder.size()));
        }
    }

    void shiftTabVisitsControlsBackward() {
        for (qsizetype step = 1; step <= focusOrder.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(),
                     focusOrder.at(focusOrder.size() - step));
        }
    }

    void noButtonIsDefaultOrCancel() {
        const QList<QPushButton*> buttons = pin_->window().findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 4);
        for (const QPushButton* button : buttons) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(),
                     qPrintable(button->objectName()));
        }
        QLineEdit* input = pin_->input();
        QTest::keyClicks(input, QStringLiteral("6"));
        QTest::keyClick(input, Qt::Key_Escape);
        QVERIFY(pin_->window().isVisible());
        QCOMPARE(input->text(), QStringLiteral("6"));
        QVERIFY(pin_->bBox()->text().isEmpty());
    }

    void accessKeysPressTheirButtonsFromAnywhere_data() {
        QTest::addColumn<QString>("focusedControl");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("Alt+C from the picture") << "Picture1" << Qt::Key_C << "Command1";
        QTest::newRow("Alt+R from b") << "Text2_0" << Qt::Key_R << "Command3";
        QTest::newRow("Alt+A from the input") << "Text1" << Qt::Key_A << "Command4";
        QTest::newRow("Alt+Q from Refresh") << "Command3" << Qt::Key_Q << "Command2";
    }

    void accessKeysPressTheirButtonsFromAnywhere() {
        QFETCH(QString, focusedControl);
        QFETCH(Qt::Key, key);
        QFETCH(QString, button);
        auto* pressed = pin_->control<QPushButton>(button);
        QWidget* focused = pin_->control(focusedControl);
        QVERIFY(pressed && focused);
        // Calculate on the empty input answers with a message box.
        pin_test::MessageBoxWatcher dismissBox(*pin_);
        focused->setFocus();
        QSignalSpy clicks(pressed, &QPushButton::clicked);
        QTest::keyClick(focused, key, Qt::AltModifier);
        QTRY_COMPARE(clicks.count(), 1);
        for (QPushButton* other : pin_->window().findChildren<QPushButton*>()) {
            QVERIFY(other == pressed || !other->isDown());
        }
    }

    void accessKeysDoWhatTheirButtonsDo() {
        ui::Pin& pin = pin_->window();
        QLineEdit* input = pin_->input();
        QTest::keyClicks(input, QStringLiteral("10"));
        pin_->control(QStringLiteral("Picture1"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(pin_->bBox()->text(), QStringLiteral("4"));
        QCOMPARE(pin_->BBox()->text(), QStringLiteral("8"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(input->text().isEmpty());
        QVERIFY(pin_->bBox()->text().isEmpty() && pin_->BBox()->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), input);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::AltModifier);
        QTRY_VERIFY(!pin.isVisible());
    }

private:
    std::unique_ptr<pin_test::ShownPin> pin_;
};

QUARNEST_PIN_TEST_MAIN(PinLayoutTest)
#include "pin_layout_test.moc"
