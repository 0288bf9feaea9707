// Every text of the three windows in its own face, whole and clear of the others, and the pictures
// whole, at the display scale the test runs at (ctest runs it at 100 % to 200 %). What counts is
// the ink: a control's text is found in the rendered window as the pixels that change when only
// that control's text colour does, and it is measured against the same text drawn unclipped.
#include "tests/support/qt/qt_window_test.h"
#include "ui/about/pin_about.h"
#include "ui/design/two_pin_window.h"
#include "ui/pin/pin.h"

#include <QDebug>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdlib>

namespace {

// In device pixels: the box of the pixels of at least a quarter coverage, and the amount of ink in
// fully covered pixels, which hardly depends on where the text falls between the pixels.
struct Ink {
    QRect box;
    double amount = 0;
};

QImage shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What differs between two renderings of the same size, within `area`.
Ink inkBetween(const QImage& a, const QImage& b, const QRegion& area) {
    Ink ink;
    for (const QRect& rect : area.intersected(a.rect())) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                const int change =
                    std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
                ink.amount += change / 255.0;
                ink.box |= change >= 64 ? QRect(x, y, 1, 1) : QRect();
            }
        }
    }
    return ink;
}

// A rectangle of the widget's, in device pixels of `canvas`, the widget or one it lies in.
QRect onCanvas(const QWidget& widget, const QRect& rect, const QWidget& canvas) {
    const qreal ratio = widget.devicePixelRatioF();
    const QRectF logical(widget.mapTo(&canvas, rect.topLeft()), rect.size());
    return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect();
}

// The control's text as `canvas` (its window, or the control itself) shows it: what changes when
// the text is drawn in black, then in white. The controls inside a group box, which take its
// colours, are left out.
Ink textInk(QWidget& control, QWidget& canvas) {
    const QPalette designed = control.palette();
    const bool ownPalette = control.testAttribute(Qt::WA_SetPalette);
    QImage shots[2];
    for (int white : {0, 1}) {
        QPalette palette = designed;
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            palette.setColor(role, white ? Qt::white : Qt::black);
        }
        control.setPalette(palette);
        shots[white] = shot(canvas);
    }
    control.setPalette(ownPalette ? designed : QPalette());
    QRegion inside;
    for (QWidget* child : control.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        inside += child->isVisible() ? onCanvas(*child, child->rect(), canvas) : QRect();
    }
    return inkBetween(shots[0], shots[1],
                      QRegion(onCanvas(control, control.rect(), canvas)) - inside);
}

} // namespace

class WholeTextsTest : public QObject {
    Q_OBJECT

    ui::Pin pin_;
    ui::PinAbout about_{&pin_, [] {}};
    ui::TwoPinWindow design_;

private slots:
    // The main window with a result, the About dialog and the two-pin design with a result in
    // every box.
    void initTestCase() {
        for (QWidget* window : std::initializer_list<QWidget*>{&pin_, &about_, &design_}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        QTest::keyClicks(pin_.findChild<QLineEdit*>("Text1"), QStringLiteral("6\r"));
        design_.activateWindow(); // typed into with Tab, which moves the focus of the active window
        QVERIFY(QTest::qWaitForWindowActive(&design_));
        typeKeys("20|0.021|0|10|0.015|0|100|0.06|0.02|f|IT7\r");
        QVERIFY(!design_.findChild<QLineEdit*>("totalAngularErrorResult")->text().isEmpty());
        QApplication::processEvents(); // the windows laid out anew for their new texts
    }

    // Each text's ink reaches as far and as wide as the same text drawn unclipped (to a pixel of
    // the rounding), nearly all of it shows, and no two texts' inks meet.
    void everyTextIsWholeAndClearOfTheOthers() {
        for (QWidget* window : std::initializer_list<QWidget*>{&pin_, &about_, &design_}) {
            QList<std::pair<QString, QRect>> inks;
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const char* property = control->inherits("QGroupBox")   ? "title"
                                       : control->inherits("QComboBox") ? "currentText"
                                                                        : "text";
                const QString text = control->property(property).toString();
                if (control->window() != window || !control->isVisible() || text.isEmpty()) {
                    continue;
                }
                // Every character but a line break from the face chosen for the control (for
                // "宋体", a Chinese one), none from a fallback.
                const QFontMetrics metrics(control->font());
                const QString face = QFontInfo(control->font()).family();
                QVERIFY2(std::ranges::all_of(
                             text.toUcs4(),
                             [&](char32_t c) { return c == u'\n' || metrics.inFontUcs4(c); }),
                         qPrintable(control->objectName() + ": " + face));
                // Unclipped: the control alone with room below and beside, where more width
                // neither wraps the text otherwise nor moves a combo box's arrow.
                const Ink visible = textInk(*control, *window);
                const QSize designed = control->size();
                const bool keepWidth =
                    control->property("wordWrap").toBool() || control->inherits("QComboBox");
                control->resize(designed + QSize(keepWidth ? 0 : 200, 64));
                const Ink whole = textInk(*control, *control);
                control->resize(designed);
                QString sizes; // in device pixels, and the amounts of ink
                QDebug(&sizes) << visible.box.size() << visible.amount << "unclipped"
                               << whole.box.size() << whole.amount;
                QVERIFY2(visible.box.width() >= whole.box.width() - 1 &&
                             visible.box.height() >= whole.box.height() - 1 &&
                             visible.amount >= 0.9 * whole.amount,
                         qPrintable(control->objectName() + sizes));
                for (const auto& [other, box] : inks) {
                    QVERIFY2(!box.intersects(visible.box),
                             qPrintable(control->objectName() + " meets " + other));
                }
                inks.append({control->objectName(), visible.box});
            }
            QVERIFY(inks.size() >= 5);
        }
    }

    // The pin drawing and the About banner: all of the control shows in its window, and the
    // control drawn with room to spare shows nothing beyond its own box but its background.
    void picturesAreWhole() {
        for (QWidget* picture :
             {pin_.findChild<QWidget*>("Picture1"), about_.findChild<QWidget*>("picIcon")}) {
            const QImage alone = shot(*picture);
            const QPoint origin = onCanvas(*picture, picture->rect(), *picture->window()).topLeft();
            QCOMPARE(shot(*picture->window()).copy(QRect(origin, alone.size())), alone);
            const QRect contents = onCanvas(*picture, picture->contentsRect(), *picture);
            picture->resize(picture->size() + QSize(64, 64));
            const QImage roomy = shot(*picture);
            const QRegion beyond =
                QRegion(onCanvas(*picture, picture->contentsRect(), *picture)) - contents;
            picture->resize(picture->size() - QSize(64, 64));
            QImage background(roomy.size(), QImage::Format_RGB32);
            background.fill(roomy.pixel(beyond.boundingRect().bottomRight() - QPoint(2, 2)));
            QCOMPARE(inkBetween(roomy, background, beyond).amount, 0.0);
        }
    }
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<WholeTextsTest>();
}

#include "whole_texts_test.moc"
