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

// The inputs as the copied text begins: one line per field, "孔1直径 D1 (mm)：12", then the
// zone and the grade as the boxes show them.
QString inputText(const design::TwoPinInput& input, const QString& zone, const QString& grade);

} // namespace ui::two_pin_words
