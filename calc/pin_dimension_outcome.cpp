#include "calc/pin_dimension_outcome.h"

#include <utility>

namespace calc {

PinDimensionOutcome PinDimensionOutcome::Computed(std::u16string bText, std::u16string BText) {
    PinDimensionOutcome outcome(Kind::Computed);
    outcome.bText_ = std::move(bText);
    outcome.BText_ = std::move(BText);
    return outcome;
}

std::u16string_view PinDimensionOutcome::message() const {
    switch (kind_) {
    case Kind::EmptyInput:
        return u"您没有输入定位孔的直径！";
    case Kind::NotNumeric:
        return u"您输入内孔直径不是数值型，请核对后重新输入！";
    case Kind::OutOfRange:
        return u"您输入的内孔直径超出范围！";
    case Kind::Computed:
        break;
    }
    return {};
}

} // namespace calc
