#include "ui/pin/pin_picture.h"

#include <QImageReader>
#include <QPainter>

namespace ui {

namespace {

// pin@2x.png beside it is the same drawing for 200 %.
const QString drawingFile = QStringLiteral(":/pin/pin.png");

} // namespace

PinPicture::PinPicture(QWidget* parent)
    : QFrame(parent), drawing_(drawingFile), drawingSize_(QImageReader(drawingFile).size()) {}

void PinPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawing_.paint(&painter, QRect(contentsRect().topLeft(), drawingSize_),
                   Qt::AlignLeft | Qt::AlignTop);
}

} // namespace ui
