#include "ui/pin/pin.h"

namespace ui {

Pin::Pin(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Quarnest－Tovrel"));
    setFixedSize(689, 379);
}

} // namespace ui
