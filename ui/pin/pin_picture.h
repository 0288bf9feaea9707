#pragma once

#include <QFrame>
#include <QSvgRenderer>

namespace ui {

// The picture box of the main window: the pin drawing at its natural size in the top-left corner
// inside the box's border. The drawing is a vector source, so it stays sharp at any scaling.
class PinPicture : public QFrame {
    Q_OBJECT
public:
    explicit PinPicture(QWidget* parent = nullptr);

    // Size of the drawing in logical pixels.
    QSize drawingSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer drawing_;
};

} // namespace ui
