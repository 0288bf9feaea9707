#include "ui/pin/pin_picture.h"

#include "ui/shell/accessibility.h"
#include "ui/shell/pictures.h"

#include <QPainter>

namespace ui {

PinPicture::PinPicture(QWidget* parent) : QFrame(parent) {
    shell::exposeAs(*this, QAccessible::Graphic);
}

void PinPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    // Read when first shown rather than while the window is being built, and kept in its 8-bit
    // grey.
    if (drawing_.isNull()) {
        drawing_ = shell::readPicture(QStringLiteral(":/pin/pin"), devicePixelRatioF());
    }
    QPainter(this).drawImage(contentsRect().topLeft(), drawing_);
}

} // namespace ui
