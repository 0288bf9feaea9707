#pragma once

#include "design/design_sheet.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <optional>

class QPainter;

namespace ui {

// Where the two holes of the drawing fall in the area it is painted into.
struct LayoutPlacement {
    QPointF centre1;
    QPointF centre2;
    double hole1Radius;
    double hole2Radius;
    double unit; // the drawing's unit of line widths and type sizes
};

LayoutPlacement placeLayout(const QRectF& area, const design::LayoutFigure& figure);

// Paints the plan of the locating layout into `area` of any device, the screen, an image, a PDF
// or a printer, as vectors: hole 1 with the round pin, hole 2 at distance L with the relieved pin,
// whose cylindrical lands lie across the line of centres and whose relieved flats face along it,
// the centre lines and the dimensions L, φd1, φd2, b and B. Holes are in proportion to each
// other; distance and clearances are not to scale, the clearances exaggerated to be seen.
void paintLocatingLayout(QPainter& painter, const QRectF& area, const design::LayoutFigure& figure);

// The drawing in a window: blank until a figure is set.
class LocatingDrawing : public QWidget {
    Q_OBJECT
public:
    explicit LocatingDrawing(QWidget* parent = nullptr);

    void setFigure(std::optional<design::LayoutFigure> figure);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<design::LayoutFigure> figure_;
};

} // namespace ui
