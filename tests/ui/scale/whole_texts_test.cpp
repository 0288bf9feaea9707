// Every text of the three windows whole and clear of the others, and the pictures whole, at the
// display scale the test runs at (ctest runs it at 100 % to 200 %). What counts is the ink: a
// control's text is found in the rendered window as the pixels that change when only that
// control's text colour does, and it is measured against the same text drawn unclipped.
#include "tests/support/qt/qt_window_test.h"
#include "ui/about/pin_about.h"
#include "ui/design/two_pin_window.h"
#include "ui/pin/pin.h"
#include "ui/shell/window_system.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace {

// In device pixels: the box of the pixels of at least a quarter coverage, and the amount of ink,
// in fully covered pixels (which, unlike a count of pixels, hardly depends on where the text falls
// between them).
struct Ink {
    QRect box;
    double amount = 0;
};

QImage shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What differs between two renderings of the same size, outside `ignored`.
Ink inkBetween(const QImage& a, const QImage& b, const QRegion& ignored = {}) {
    Ink ink;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int change = std::max({std::abs(qRed(rowA[x]) - qRed(rowB[x])),
                                         std::abs(qGreen(rowA[x]) - qGreen(rowB[x])),
                                         std::abs(qBlue(rowA[x]) - qBlue(rowB[x]))});
            if (change > 0 && !ignored.contains(QPoint(x, y))) {
                ink.amount += change / 255.0;
                if (change >= 64) {
                    ink.box |= QRect(x, y, 1, 1);
                }
            }
        }
    }
    return ink;
}

// A rectangle of the widget's, in device pixels of the widget.
QRect devicePixels(const QWidget& widget, const QRect& rect) {
    const qreal ratio = widget.devicePixelRatioF();
    return QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio).toAlignedRect();
}

// A rectangle of the widget's, in device pixels of its window.
QRect inWindow(const QWidget& widget, const QRect& rect) {
    return devicePixels(widget, rect.translated(widget.mapTo(widget.window(), QPoint())));
}

// The control's text as its window shows it: drawn in black, then in white. The controls inside
// a group box, which take its colours, are left out.
Ink visibleInk(QWidget& control) {
    const QPalette designed = control.palette();
    const bool ownPalette = control.testAttribute(Qt::WA_SetPalette);
    QImage shots[2];
    for (int white : {0, 1}) {
        QPalette palette = designed;
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            palette.setColor(role, white ? Qt::white : Qt::black);
        }
        control.setPalette(palette);
        shots[white] = shot(*control.window());
    }
    control.setPalette(ownPalette ? designed : QPalette());
    QRegion inside;
    for (QWidget* child : control.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            inside += inWindow(*child, child->rect());
        }
    }
    return inkBetween(shots[0], shots[1], inside);
}

// The same text drawn in the control's font with nothing to clip it, wrapped as the control wraps
// it.
Ink unclippedInk(const QWidget& control, const QString& text, int flags, int wrapWidth) {
    const QFontMetrics metrics(control.font(), &control);
    const QRect extent = metrics.boundingRect(
        QRect(0, 0, wrapWidth > 0 ? wrapWidth : 100'000, 100'000), flags, text);
    const int margin = 2 * metrics.height();
    const qreal ratio = control.devicePixelRatioF();
    QImage paper((extent.size() + QSize(2 * margin, 2 * margin)) * ratio, QImage::Format_RGB32);
    paper.setDevicePixelRatio(ratio);
    paper.setDotsPerMeterX(qRound(control.logicalDpiX() / 0.0254));
    paper.setDotsPerMeterY(qRound(control.logicalDpiY() / 0.0254));
    paper.fill(Qt::white);
    QImage blank = paper;
    QPainter painter(&paper);
    painter.setFont(control.font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(margin, margin), extent.size()), flags, text);
    painter.end();
    return inkBetween(blank, paper);
}

// The text a control shows, with how it lays it out; an empty text for a control without one.
struct Shown {
    QString text;
    int flags = 0;
    int wrapWidth = 0;
};

Shown shownText(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        // A label that gives its buddy an access key hides the "&".
        return {label->text(),
                (label->wordWrap() ? int(Qt::TextWordWrap) : 0) |
                    (label->buddy() ? int(Qt::TextHideMnemonic) : 0),
                label->wordWrap() ? label->contentsRect().width() : 0};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return {button->text(), Qt::TextHideMnemonic};
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        return {frame->title(), Qt::TextHideMnemonic};
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(&control)) {
        return {box->text()};
    }
    if (const auto* box = qobject_cast<const QComboBox*>(&control)) {
        return {box->currentText()};
    }
    return {};
}

QString describe(const Ink& ink) {
    return QStringLiteral("%1×%2 px, %3 pixels of ink")
        .arg(ink.box.width())
        .arg(ink.box.height())
        .arg(ink.amount, 0, 'f', 1);
}

} // namespace

class WholeTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        pin_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pin_));
        QTest::keyClicks(pin_.findChild<QLineEdit*>("Text1"), QStringLiteral("6\r"));
        about_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about_));
        design_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&design_));
        // Two holes of different sizes with every field given: a result in every box.
        const QString typed = "20|0.021|0|10|0.015|0|100|0.06|0.02|f|IT7\r";
        for (const QChar c : typed) {
            QTest::keyClick(design_.focusWidget(), c == u'|' ? '\t' : c.toLatin1());
        }
        QVERIFY(!design_.findChild<QLineEdit*>("relievedPinResult")->text().isEmpty());
    }

    void everyTextIsWholeAndClearOfTheOthers_data() {
        QTest::addColumn<QWidget*>("window");
        QTest::newRow("main window") << static_cast<QWidget*>(&pin_);
        QTest::newRow("About dialog") << static_cast<QWidget*>(&about_);
        QTest::newRow("two-pin design") << static_cast<QWidget*>(&design_);
    }

    // Each text's ink reaches as far and as wide as the same text drawn unclipped (to a pixel of
    // the rounding), nearly all of it shows, and no two texts' inks meet.
    void everyTextIsWholeAndClearOfTheOthers() {
        QFETCH(QWidget*, window);
        QList<std::pair<QString, QRect>> inks;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const Shown shown = shownText(*control);
            if (control->window() != window || !control->isVisible() || shown.text.isEmpty()) {
                continue;
            }
            const Ink visible = visibleInk(*control);
            const Ink whole = unclippedInk(*control, shown.text, shown.flags, shown.wrapWidth);
            const QString name = control->objectName();
            QVERIFY2(visible.box.width() >= whole.box.width() - 1 &&
                         visible.box.height() >= whole.box.height() - 1 &&
                         visible.amount >= 0.9 * whole.amount,
                     qPrintable(name + ": " + describe(visible) + " of " + describe(whole)));
            for (const auto& [other, box] : inks) {
                QVERIFY2(!box.intersects(visible.box), qPrintable(name + " meets " + other));
            }
            inks.append({name, visible.box});
        }
        QVERIFY(inks.size() >= 5);
    }

    // The pin drawing and the About banner: the control drawn with room to spare shows nothing
    // beyond its own box, and the window shows all of the control.
    void picturesAreWhole_data() {
        QTest::addColumn<QWidget*>("picture");
        QTest::newRow("pin drawing") << pin_.findChild<QWidget*>("Picture1");
        QTest::newRow("About banner") << about_.findChild<QWidget*>("picIcon");
    }

    void picturesAreWhole() {
        QFETCH(QWidget*, picture);
        const QImage framed = shot(*picture);
        QCOMPARE(shot(*picture->window())
                     .copy(QRect(inWindow(*picture, picture->rect()).topLeft(), framed.size())),
                 framed);
        const QSize designed = picture->size();
        const QRect designedContents = devicePixels(*picture, picture->contentsRect());
        picture->resize(designed + QSize(64, 64));
        const QImage roomy = shot(*picture);
        const QRect roomyContents = devicePixels(*picture, picture->contentsRect());
        picture->resize(designed);
        QImage background(roomy.size(), QImage::Format_RGB32);
        background.fill(roomy.pixel(roomyContents.bottomRight() - QPoint(1, 1)));
        const QRegion spill = QRegion(roomyContents) - designedContents;
        QCOMPARE(inkBetween(roomy, background, QRegion(roomy.rect()) - spill).amount, 0.0);
    }

private:
    ui::Pin pin_;
    ui::PinAbout about_{&pin_, [] {}};
    ui::TwoPinWindow design_;
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<WholeTextsTest>();
}

#include "whole_texts_test.moc"
