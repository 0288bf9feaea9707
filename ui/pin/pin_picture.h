#pragma once

#include <QFrame>
#include <QImage>

namespace ui {

// The picture box of the main window: the pin drawing at its natural size in the top-left corner
// inside the box's border. The drawing comes at 100 % and 200 %; the one that suits the screen's
// scaling is shown. Screen readers know it as a graphic.
class PinPicture : public QFrame {
    Q_OBJECT
public:
    explicit PinPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage drawing_;
};

} // namespace ui
