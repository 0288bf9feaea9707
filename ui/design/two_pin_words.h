#pragma once

#include "design/design_input.h"
#include "design/design_outcome.h"
#include "design/result_list.h"

#include <QString>

// Every Chinese word the two-pin design window shows for the design's fields, results and
// rejections, in one table each.
namespace ui::two_pin_words {

// The caption of a typed field, with its access key: "孔1直径 D1(&1)：".
QString fieldLabel(design::DesignField field);

// The caption of a result, also the start of its line in the copied text: "孔1最小间隙 X1min
// (mm)："; for the conclusions of a (ExactFit, TwoRoundPins), the conclusion itself.
QString resultLabel(design::ResultId id);

// The answer to a rejected field, in the main window's manner: "您输入的孔1直径超出范围！".
QString rejectionMessage(const design::DesignRejection& rejection);

// The save dialog's caption and its filter of PDF files.
QString saveCaption();
QString pdfFilter();

// The answer where the sheet could not be saved at `path` for the system's `reason`.
QString saveFailedMessage(const QString& path, const QString& reason);

// The answer where the printer could not take the sheet.
QString printFailedMessage();

// The answer where the system has no printer for its print dialog.
QString noPrinterMessage();

} // namespace ui::two_pin_words
