// What the About dialog looks like: its frame, where each control stands, fonts, colours, the
// banner and the etched rule, checked against the dialog's description in twips.
#include "dialog_test_support.h"
#include "ui/about/pin_about.h"

#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWindow>

namespace {

using dialog_test::control;

constexpr double twipsPerPixel = 15.0;

int pixels(int twips) {
    return qRound(twips / twipsPerPixel);
}

QRect pixelRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// The two strokes of the etched rule, as end points in twips and a width in pixels.
struct Stroke {
    const char* name;
    int x1, y1, x2, y2;
    int widthPixels;
    QColor colour;
};

const Stroke greyStroke{"Line1_1", 1530, 3405, 7094, 3405, 1, QColor(128, 128, 128)};
const Stroke whiteStroke{"Line1_0", 1545, 3420, 7094, 3420, 2, QColor(255, 255, 255)};

// The pixels a horizontal stroke covers: from its first end point to its last, both included,
// and downwards from its end points' row for its width.
QRect strokePixels(const Stroke& stroke) {
    const int left = pixels(stroke.x1);
    const int right = pixels(stroke.x2);
    return {left, pixels(stroke.y1), right - left + 1, stroke.widthPixels};
}

QImage shownImage(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels that differ from the background at the top-left corner of `image`.
QList<QColor> inkOf(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    QList<QColor> ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                ink << QColor(image.pixel(x, y));
            }
        }
    }
    return ink;
}

} // namespace

class PinAboutLookTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fixedFrameWithCloseButtonOnly();
    void controlsStandWhereDescribed_data();
    void controlsStandWhereDescribed();
    void onlyTheButtonsTakeFocus();
    void titleFontAndDefaultFontElsewhere();
    void textColoursStayFixedUnderAnyPalette();
    void textsFitTheirLabels_data();
    void textsFitTheirLabels();
    void bannerShownAtNaturalSize();
    void etchedRuleDrawnPixelExact_data();
    void etchedRuleDrawnPixelExact();

private:
    std::unique_ptr<ui::PinAbout> about_;
};

void PinAboutLookTest::init() {
    about_ = std::make_unique<ui::PinAbout>(nullptr, [] {});
    about_->show();
    QVERIFY(QTest::qWaitForWindowExposed(about_.get()));
}

void PinAboutLookTest::cleanup() {
    about_.reset();
}

void PinAboutLookTest::fixedFrameWithCloseButtonOnly() {
    const QSize client(pixels(7185), pixels(4500));
    QCOMPARE(about_->size(), client);
    QCOMPARE(about_->minimumSize(), client);
    QCOMPARE(about_->maximumSize(), client);
    QVERIFY(!about_->isSizeGripEnabled());

    // The flags the window system is asked for, after Qt has completed them.
    const Qt::WindowFlags flags = about_->windowHandle()->flags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QCOMPARE(about_->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}

void PinAboutLookTest::controlsStandWhereDescribed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("picIcon") << "picIcon" << pixelRect(0, 0, 1410, 4500);
    QTest::newRow("cmdOK") << "cmdOK" << pixelRect(5880, 3600, 1183, 345);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << pixelRect(5880, 4080, 1183, 345);
    QTest::newRow("lblDescription") << "lblDescription" << pixelRect(1800, 1800, 5205, 1410);
    QTest::newRow("lblTitle") << "lblTitle" << pixelRect(1770, 480, 5205, 480);
    QTest::newRow("lblVersion") << "lblVersion" << pixelRect(1770, 1200, 3885, 225);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << pixelRect(1680, 3600, 4095, 825);
    QTest::newRow("Line1(1)") << greyStroke.name << strokePixels(greyStroke);
    QTest::newRow("Line1(0)") << whiteStroke.name << strokePixels(whiteStroke);
}

void PinAboutLookTest::controlsStandWhereDescribed() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QWidget& shown = control(*about_, qPrintable(name));
    QCOMPARE(shown.parentWidget(), about_.get());
    QCOMPARE(shown.geometry(), expected);
    QVERIFY(shown.isVisible());
}

void PinAboutLookTest::onlyTheButtonsTakeFocus() {
    const QList<QWidget*> controls = about_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 9);
    for (QWidget* shown : controls) {
        const bool isButton = qobject_cast<QPushButton*>(shown) != nullptr;
        QCOMPARE(shown->focusPolicy() != Qt::NoFocus, isButton);
    }
    QVERIFY(control<QPushButton>(*about_, "cmdOK").isDefault());
    QVERIFY(!control<QPushButton>(*about_, "cmdSysInfo").isDefault());
}

void PinAboutLookTest::titleFontAndDefaultFontElsewhere() {
    const QFont title = control(*about_, "lblTitle").font();
    QCOMPARE(title.family(), QStringLiteral("Arial"));
    QCOMPARE(title.pointSize(), 12);
    QCOMPARE(title.weight(), QFont::Bold);

    // Everything else keeps the application's dialog font, 宋体 9 pt.
    QVERIFY(!about_->testAttribute(Qt::WA_SetFont));
    for (const char* name :
         {"lblDescription", "lblVersion", "lblDisclaimer", "cmdOK", "cmdSysInfo"}) {
        QWidget& shown = control(*about_, name);
        QVERIFY2(!shown.testAttribute(Qt::WA_SetFont), name);
        QCOMPARE(shown.font().family(), QStringLiteral("宋体"));
        QCOMPARE(shown.font().pointSize(), 9);
    }
}

// Black is the fixed colour, not the palette's text colour: under a palette with blue text the
// description and warning stay black and the title red, while the version line follows the palette.
void PinAboutLookTest::textColoursStayFixedUnderAnyPalette() {
    const QPalette original = QApplication::palette();
    QPalette blueText = original;
    blueText.setColor(QPalette::WindowText, Qt::blue);
    QApplication::setPalette(blueText);
    ui::PinAbout about(nullptr, [] {});
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    struct Expected {
        const char* name;
        QColor colour;
    };
    for (const Expected& row :
         {Expected{"lblDescription", QColor(0, 0, 0)}, Expected{"lblDisclaimer", QColor(0, 0, 0)},
          Expected{"lblTitle", QColor(255, 0, 0)}, Expected{"lblVersion", QColor(Qt::blue)}}) {
        QLabel& label = control<QLabel>(about, row.name);
        QCOMPARE(label.palette().color(QPalette::WindowText), row.colour);
        // Glyph pixels show exactly that colour.
        const QList<QColor> ink = inkOf(shownImage(label));
        QVERIFY2(!ink.isEmpty(), row.name);
        QVERIFY2(ink.contains(row.colour), row.name);
    }
    QApplication::setPalette(original);
}

void PinAboutLookTest::textsFitTheirLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("lblDescription") << "lblDescription";
    QTest::newRow("lblDisclaimer") << "lblDisclaimer";
    QTest::newRow("lblTitle") << "lblTitle";
    QTest::newRow("lblVersion") << "lblVersion";
}

// Every line of each text shows: wrapped at the label's width, the last line's baseline still lies
// inside the label (only what hangs below a baseline may be cut off).
void PinAboutLookTest::textsFitTheirLabels() {
    QFETCH(QString, name);
    const QLabel& label = control<QLabel>(*about_, qPrintable(name));
    QVERIFY(label.alignment().testFlags(Qt::AlignLeft | Qt::AlignTop));
    const QFontMetrics metrics(label.font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, label.width(), QWIDGETSIZE_MAX), flags, label.text());
    QVERIFY2(needed.width() <= label.width(), qPrintable(QString::number(needed.width())));
    const int lastBaseline = needed.height() - metrics.descent();
    QVERIFY2(lastBaseline <= label.height(), qPrintable(QString::number(lastBaseline)));
}

void PinAboutLookTest::bannerShownAtNaturalSize() {
    QLabel& banner = control<QLabel>(*about_, "picIcon");
    QCOMPARE(banner.frameShape(), QFrame::NoFrame);
    const QPixmap picture = banner.pixmap();
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(94, 300));

    const QImage shown = shownImage(banner);
    const auto isDarkRed = [](QColor c) { return c.red() > 2 * c.green() && c.red() > 60; };
    const auto isWhite = [](QColor c) { return c.lightness() > 240; };
    QVERIFY(isDarkRed(shown.pixel(3, 150)));  // the strip
    QVERIFY(isDarkRed(shown.pixel(90, 295))); // down to its bottom right
    QVERIFY(isWhite(shown.pixel(20, 20)));    // the emblem's white field
    int redInEmblem = 0, whiteInWords = 0;
    for (int y = 14; y < 80; ++y) {
        for (int x = 14; x < 80; ++x) {
            redInEmblem += isDarkRed(shown.pixel(x, y));
        }
    }
    for (int y = 110; y < 295; ++y) {
        for (int x = 20; x < 74; ++x) {
            whiteInWords += isWhite(shown.pixel(x, y));
        }
    }
    QVERIFY2(redInEmblem > 100, qPrintable(QString::number(redInEmblem)));
    QVERIFY2(whiteInWords > 500, qPrintable(QString::number(whiteInWords)));
}

void PinAboutLookTest::etchedRuleDrawnPixelExact_data() {
    QTest::addColumn<int>("stroke");
    QTest::newRow("grey upper stroke") << 0;
    QTest::newRow("white lower stroke") << 1;
}

void PinAboutLookTest::etchedRuleDrawnPixelExact() {
    QFETCH(int, stroke);
    const Stroke& drawn = stroke == 0 ? greyStroke : whiteStroke;
    const QRect covered = strokePixels(drawn);
    const QImage shown = shownImage(*about_);
    const QColor background = about_->palette().color(QPalette::Window);

    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        for (int x = covered.left(); x <= covered.right(); ++x) {
            QCOMPARE(QColor(shown.pixel(x, y)), drawn.colour);
        }
    }
    // Nothing of the stroke beyond its ends; above the grey stroke and below the white one lies
    // the bare dialog.
    QVERIFY(QColor(shown.pixel(covered.left() - 1, covered.top())) != drawn.colour);
    QVERIFY(QColor(shown.pixel(covered.right() + 1, covered.top())) != drawn.colour);
    const int outsideRow = stroke == 0 ? covered.top() - 1 : covered.bottom() + 1;
    for (int x = covered.left(); x <= covered.right(); ++x) {
        QCOMPARE(QColor(shown.pixel(x, outsideRow)), background);
    }
}

DIALOG_TEST_MAIN(PinAboutLookTest)

#include "pin_about_look_test.moc"
