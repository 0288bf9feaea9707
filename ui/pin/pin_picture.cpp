#include "ui/pin/pin_picture.h"

#include <QPainter>

namespace ui {

void PinPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (qEnvironmentVariableIsSet("NOPIC")) return;
    if (drawing_.isNull()) {
        // Read when first shown rather than while the window is being built. pin@2x.png beside
        // it is the same drawing for 200 %.
        drawing_ = QIcon(QStringLiteral(":/pin/pin.png"));
    }
    QPainter painter(this);
    // An icon is never drawn larger than its images, so the drawing keeps its natural size.
    drawing_.paint(&painter, contentsRect(), Qt::AlignLeft | Qt::AlignTop);
}

} // namespace ui
