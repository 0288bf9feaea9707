#pragma once

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;

namespace calc {
class PinDimensionOutcome;
}

namespace ui {

class PinAbout;

namespace shell {
class Announcer;
}

namespace Ui {
class Pin;
}

// The main window: the pin drawing and the calculator. The user types the hole diameter D2 into
// Text1; Calculate writes b into Text2[0] and B into Text2[1], or answers unusable input with a
// message box.
class Pin : public QWidget {
    Q_OBJECT
public:
    explicit Pin(QWidget* parent = nullptr);
    ~Pin() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void calculate();
    void refresh();
    void openAbout();

private:
    void useDescribedFonts();
    void showRejection(const calc::PinDimensionOutcome& outcome);

    std::unique_ptr<Ui::Pin> ui_;
    // The read-out boxes: [0] shows b, [1] shows B.
    std::array<QLineEdit*, 2> Text2;
    // The captions "b =" and "B =".
    std::array<QLabel*, 2> Label3;
    // Tells a screen reader the results, which appear away from the focus.
    shell::Announcer* announcer_ = nullptr;
    // Created on first use and kept for the rest of the run.
    std::unique_ptr<PinAbout> about_;
};

} // namespace ui
