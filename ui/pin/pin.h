#pragma once

#include <QWidget>

namespace ui {

// The main window: the pin drawing and the calculator.
class Pin : public QWidget {
    Q_OBJECT
public:
    explicit Pin(QWidget* parent = nullptr);
};

} // namespace ui
