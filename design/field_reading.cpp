#include "design/field_reading.h"

#include "calc/number_reading.h"

#include <optional>

namespace design {

namespace {

bool IsDigit(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'０' && unit <= u'９');
}

bool IsBlankOrSign(char16_t unit) {
    return unit == u' ' || unit == u'\u3000' || unit == u'+' || unit == u'-' || unit == u'＋' ||
           unit == u'－';
}

// Whether every comma of the text groups the thousands of the whole part, as ReadNumberField says.
bool CommasGroupThousands(std::u16string_view text) {
    const std::size_t first = text.find(u',');
    if (first == std::u16string_view::npos) {
        return true;
    }
    // The run of digits and commas around the first comma must be the whole part: only blanks and
    // a sign stand before it, and no comma after it.
    std::size_t begin = first;
    while (begin > 0 && IsDigit(text[begin - 1])) {
        --begin;
    }
    std::size_t end = first;
    while (end < text.size() && (IsDigit(text[end]) || text[end] == u',')) {
        ++end;
    }
    for (std::size_t i = 0; i < begin; ++i) {
        if (!IsBlankOrSign(text[i])) {
            return false;
        }
    }
    if (text.find(u',', end) != std::u16string_view::npos) {
        return false;
    }
    // One to three digits before the first comma, not starting with 0; then ",ddd" to the end.
    if (first == begin || first - begin > 3 || text[begin] == u'0' || text[begin] == u'０') {
        return false;
    }
    const std::u16string_view groups = text.substr(first, end - first);
    if (groups.size() % 4 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if ((groups[i] == u',') != (i % 4 == 0)) {
            return false;
        }
    }
    return true;
}

} // namespace

FieldReading ReadNumberField(std::u16string_view text) {
    if (text.empty()) {
        return RejectionReason::Empty;
    }
    if (!CommasGroupThousands(text)) {
        return RejectionReason::MisplacedComma;
    }
    const std::optional<double> value = calc::ReadStrictNumber(text);
    if (!value) {
        return RejectionReason::NotNumeric;
    }
    return *value;
}

} // namespace design
