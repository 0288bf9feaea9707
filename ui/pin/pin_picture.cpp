#include "ui/pin/pin_picture.h"

#include <QPainter>

namespace ui {

PinPicture::PinPicture(QWidget* parent)
    : QFrame(parent), drawing_(QStringLiteral(":/pin/pin.svg")) {}

QSize PinPicture::drawingSize() const {
    return drawing_.defaultSize();
}

void PinPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawing_.render(&painter, QRectF(contentsRect().topLeft(), drawingSize()));
}

} // namespace ui
