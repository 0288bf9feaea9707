#pragma once

#include "design/design_sheet.h"
#include "design/result_list.h"

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

namespace Ui {
class TwoPinWindow;
}

// The two-pin locating design: the user types both holes, their centre distance and its
// tolerances and picks the pins' tolerances; Calculate shows every step of the design and its
// calculation sheet with the drawing of the layout. Copy puts the sheet on the clipboard as a
// table with a plain-text alternative; the sheet can be saved as a PDF file and printed.
// Unusable input gets a message box naming the field; any change of an input or a choice clears
// the results and the sheet.
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
    void saveSheet();
    void printSheet();

private:
    void showResults(const std::vector<design::ResultLine>& lines);
    void showRejection(const design::DesignRejection& rejection);
    void showSheet(std::optional<design::DesignSheet> sheet);
    void clearResults();

    std::unique_ptr<Ui::TwoPinWindow> ui_;
    // The sheet of the results shown.
    std::optional<design::DesignSheet> sheet_;
    // Where the last sheet was saved, or the documents folder.
    QString saveFolder_;
};

} // namespace ui
