#pragma once

#include "design/result_list.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace ui {

namespace Ui {
class TwoPinWindow;
}

// The two-pin locating design: the user types both holes, their centre distance and its
// tolerances and picks the pins' tolerances; Calculate shows every step of the design, Copy puts
// the inputs and the results on the clipboard, one per line. Unusable input gets a message box
// naming the field; any change of an input or a choice clears the results.
class TwoPinWindow : public QWidget {
    Q_OBJECT
public:
    explicit TwoPinWindow(QWidget* parent = nullptr);
    ~TwoPinWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void calculate();
    void copyResults();

private:
    void showResults(std::vector<design::ResultLine> lines);
    void showRejection(const design::DesignRejection& rejection);

    std::unique_ptr<Ui::TwoPinWindow> ui_;
    // The results shown, in order; empty while none are.
    std::vector<design::ResultLine> results_;
    // The inputs and choices the results belong to, as the copied text begins.
    QString inputText_;
};

} // namespace ui
