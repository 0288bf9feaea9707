#include "ui/design/locating_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// The drawing is laid out on a grid of 540 × 200 units, scaled to fit the area.
constexpr double kWidthUnits = 540.0;
constexpr double kHeightUnits = 200.0;
constexpr double kLargestHoleRadius = 50.0;
// Pins are drawn this much smaller than their holes, so that the clearance shows.
constexpr double kPinToHole = 0.88;

QString textOf(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

class Sketch {
public:
    Sketch(QPainter& painter, const LayoutPlacement& place) : p_(painter), u_(place.unit) {}

    void thin() { p_.setPen(QPen(Qt::black, 0.6 * u_, Qt::SolidLine, Qt::FlatCap)); }
    void thick() {
        p_.setPen(QPen(Qt::black, 1.4 * u_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    }

    // A chain line (long dash, gap, dot, gap) from a to b.
    void centreLine(QPointF a, QPointF b) {
        QPen pen(Qt::black, 0.5 * u_, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({24, 5, 3, 5});
        p_.setPen(pen);
        p_.drawLine(a, b);
    }

    // An arrowhead with its tip at `tip`, pointing in the direction `towards`.
    void arrowhead(QPointF tip, QPointF towards) {
        const double angle = std::atan2(towards.y(), towards.x());
        const double length = 7.0 * u_, halfWidth = 1.6 * u_;
        const QPointF back = tip - QPointF(std::cos(angle), std::sin(angle)) * length;
        const QPointF side = QPointF(-std::sin(angle), std::cos(angle)) * halfWidth;
        p_.save();
        p_.setPen(Qt::NoPen);
        p_.setBrush(Qt::black);
        p_.drawPolygon(QPolygonF{tip, back + side, back - side});
        p_.restore();
    }

    // A dimension line between a and b with arrows at both ends: inside when there is room,
    // otherwise outside pointing in, the line running on beyond them.
    void dimension(QPointF a, QPointF b) {
        thin();
        const QPointF along = b - a;
        const double length = std::hypot(along.x(), along.y());
        const QPointF unit = along / length;
        if (length > 18.0 * u_) {
            p_.drawLine(a, b);
            arrowhead(a, -unit);
            arrowhead(b, unit);
        } else {
            p_.drawLine(a - unit * 14.0 * u_, b + unit * 14.0 * u_);
            arrowhead(a, unit);
            arrowhead(b, -unit);
        }
    }

    // "symbol = value" with the symbol in italics, its subscript smaller and lowered, placed by
    // `anchor` (Qt::AlignLeft, AlignHCenter or AlignRight) with its baseline at `baseline`;
    // returns its width.
    double label(QPointF baseline, Qt::Alignment anchor, const QString& symbol,
                 const QString& subscript, const std::u16string& value) {
        QFont italic(QStringLiteral("Times New Roman"));
        italic.setPixelSize(std::max(1, int(std::lround(11.0 * u_))));
        italic.setItalic(true);
        italic.setBold(false); // whatever the font of the widget painted on
        QFont small = italic;
        small.setPixelSize(std::max(1, int(std::lround(8.0 * u_))));
        QFont upright = italic;
        upright.setItalic(false);
        const QString rest = QStringLiteral(" = ") + textOf(value);
        const double width = QFontMetricsF(italic, p_.device()).horizontalAdvance(symbol) +
                             QFontMetricsF(small, p_.device()).horizontalAdvance(subscript) +
                             QFontMetricsF(upright, p_.device()).horizontalAdvance(rest);
        double x = baseline.x();
        if (anchor & Qt::AlignHCenter) {
            x -= width / 2;
        } else if (anchor & Qt::AlignRight) {
            x -= width;
        }
        p_.setPen(Qt::black);
        x = run(x, baseline.y(), italic, symbol);
        x = run(x, baseline.y() + 2.0 * u_, small, subscript);
        run(x, baseline.y(), upright, rest);
        return width;
    }

    // 45° hatching inside `outline`, which is then drawn thick.
    void section(const QPainterPath& outline) {
        p_.save();
        p_.setClipPath(outline, Qt::IntersectClip);
        thin();
        const QRectF box = outline.boundingRect();
        const double step = 4.0 * u_;
        for (double d = -box.height(); d < box.width(); d += step) {
            p_.drawLine(QPointF(box.left() + d, box.bottom()),
                        QPointF(box.left() + d + box.height(), box.top()));
        }
        p_.restore();
        thick();
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(outline);
    }

    QPainter& painter() { return p_; }
    double u() const { return u_; }

private:
    double run(double x, double y, const QFont& font, const QString& text) {
        p_.setFont(font);
        p_.drawText(QPointF(x, y), text);
        return x + QFontMetricsF(font, p_.device()).horizontalAdvance(text);
    }

    QPainter& p_;
    double u_;
};

// The relieved pin's section about its centre: the two cylindrical lands of width b on the pin's
// circle across the line of centres (above and below), the relieved flats meeting at the
// corners B apart on the line of centres.
QPainterPath relievedPin(QPointF c, double radius, double halfLand, double halfCorner) {
    const double landY = std::sqrt(radius * radius - halfLand * halfLand);
    const double landAngle = qRadiansToDegrees(std::asin(halfLand / radius));
    const QRectF circle(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(c + QPointF(halfLand, -landY));
    path.lineTo(c + QPointF(halfCorner, 0));
    path.lineTo(c + QPointF(halfLand, landY));
    path.arcTo(circle, -90.0 + landAngle, -2.0 * landAngle);
    path.lineTo(c + QPointF(-halfCorner, 0));
    path.lineTo(c + QPointF(-halfLand, -landY));
    path.arcTo(circle, 90.0 + landAngle, -2.0 * landAngle);
    path.closeSubpath();
    return path;
}

QPainterPath roundPin(QPointF c, double radius) {
    QPainterPath path;
    path.addEllipse(c, radius, radius);
    return path;
}

// φd as a diameter through the pin at `angle` degrees (counter-clockwise from the line of
// centres), its leader running on out of the hole to a shelf that carries the label.
void diameter(Sketch& s, QPointF c, double radius, double holeRadius, double angle, bool toRight,
              const QString& subscript, const std::u16string& value) {
    const double u = s.u();
    const QPointF unit(std::cos(qDegreesToRadians(angle)), -std::sin(qDegreesToRadians(angle)));
    const QPointF near = c + unit * radius;
    const QPointF far = c - unit * radius;
    const QPointF knee = c + unit * (holeRadius + 14.0 * u);
    const double side = toRight ? 1.0 : -1.0;
    const double width =
        s.label(QPointF(knee.x() + side * 2.0 * u, knee.y() - 2.0 * u),
                toRight ? Qt::AlignLeft : Qt::AlignRight, QStringLiteral("φd"), subscript, value);
    s.thin();
    s.painter().drawLine(far, near);
    s.painter().drawLine(near, knee);
    s.painter().drawLine(knee, knee + QPointF(side * (width + 4.0 * u), 0));
    s.arrowhead(near, unit);
    s.arrowhead(far, -unit);
}

} // namespace

LayoutPlacement placeLayout(const QRectF& area, const design::LayoutFigure& figure) {
    const double u = std::min(area.width() / kWidthUnits, area.height() / kHeightUnits);
    const QPointF origin = area.center() - QPointF(kWidthUnits, kHeightUnits) * u / 2.0;
    const double largest = std::max(figure.hole1, figure.hole2);
    // A small hole beside a large one stays large enough to show its pin.
    const auto radius = [&](double hole) {
        return std::max(0.6, hole / largest) * kLargestHoleRadius * u;
    };
    return {origin + QPointF(175, 92) * u, origin + QPointF(370, 92) * u, radius(figure.hole1),
            radius(figure.hole2), u};
}

void paintLocatingLayout(QPainter& painter, const QRectF& area,
                         const design::LayoutFigure& figure) {
    const LayoutPlacement place = placeLayout(area, figure);
    const double u = place.unit;
    const QPointF c1 = place.centre1, c2 = place.centre2;
    const double r1 = place.hole1Radius * kPinToHole;
    const double r2 = place.hole2Radius * kPinToHole;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    Sketch s(painter, place);

    // The holes, thin, and the pins in section.
    s.thin();
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c1, place.hole1Radius, place.hole1Radius);
    painter.drawEllipse(c2, place.hole2Radius, place.hole2Radius);
    s.section(roundPin(c1, r1));
    const bool relieved = figure.land > 0.0;
    const double halfLand = r2 * figure.land / figure.pin2;
    const double halfCorner = r2 * figure.cornerWidth / figure.pin2;
    s.section(relieved ? relievedPin(c2, r2, halfLand, halfCorner) : roundPin(c2, r2));

    // Centre lines: the line of centres and one across each hole.
    const double over = 10.0 * u;
    s.centreLine(c1 - QPointF(place.hole1Radius + over, 0),
                 c2 + QPointF(place.hole2Radius + over, 0));
    for (const auto& [c, r] :
         {std::pair{c1, place.hole1Radius}, std::pair{c2, place.hole2Radius}}) {
        s.centreLine(c - QPointF(0, r + over), c + QPointF(0, r + over));
    }

    // L between the centres, above the holes, on the extended centre lines.
    const double top = std::min(c1.y() - place.hole1Radius, c2.y() - place.hole2Radius);
    const double lineL = top - 22.0 * u;
    s.thin();
    for (const QPointF c : {c1, c2}) {
        painter.drawLine(QPointF(c.x(), top - over), QPointF(c.x(), lineL - 3.0 * u));
    }
    s.dimension(QPointF(c1.x(), lineL), QPointF(c2.x(), lineL));
    s.label(QPointF((c1.x() + c2.x()) / 2, lineL - 3.0 * u), Qt::AlignHCenter, QStringLiteral("L"),
            {}, figure.distanceText);

    // φd1 to the upper left of hole 1, φd2 to the upper right of hole 2, through the lands.
    diameter(s, c1, r1, place.hole1Radius, 135.0, false, QStringLiteral("1"), figure.pin1Text);
    const double landAngle =
        relieved ? qRadiansToDegrees(std::acos(std::min(0.8 * halfLand / r2, 0.7))) : 45.0;
    diameter(s, c2, r2, place.hole2Radius, landAngle, true, QStringLiteral("2"), figure.pin2Text);
    if (!relieved) {
        painter.restore();
        return;
    }

    // b across the lower land and B across the corners, below hole 2, on extension lines.
    const double landY = std::sqrt(r2 * r2 - halfLand * halfLand);
    const double lineB1 = c2.y() + place.hole2Radius + 12.0 * u;
    const double lineB2 = lineB1 + 26.0 * u;
    s.thin();
    for (const double x : {-halfLand, halfLand}) {
        painter.drawLine(c2 + QPointF(x, landY + 2.0 * u), QPointF(c2.x() + x, lineB1 + 3.0 * u));
    }
    for (const double x : {-halfCorner, halfCorner}) {
        painter.drawLine(c2 + QPointF(x, 2.0 * u), QPointF(c2.x() + x, lineB2 + 3.0 * u));
    }
    s.dimension(QPointF(c2.x() - halfLand, lineB1), QPointF(c2.x() + halfLand, lineB1));
    s.label(QPointF(c2.x(), lineB1 + 11.0 * u), Qt::AlignHCenter, QStringLiteral("b"), {},
            figure.landText);
    s.dimension(QPointF(c2.x() - halfCorner, lineB2), QPointF(c2.x() + halfCorner, lineB2));
    s.label(QPointF(c2.x(), lineB2 - 3.0 * u), Qt::AlignHCenter, QStringLiteral("B"), {},
            figure.cornerText);
    painter.restore();
}

LocatingDrawing::LocatingDrawing(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LocatingDrawing::setFigure(std::optional<design::LayoutFigure> figure) {
    figure_ = std::move(figure);
    update();
}

void LocatingDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (figure_) {
        paintLocatingLayout(painter, QRectF(rect()).adjusted(4, 4, -4, -4), *figure_);
    }
}

} // namespace ui
