#include "design/design_text.h"

#include "calc/number_text.h"

#include <cmath>
#include <cstdio>

namespace design {

namespace {

template <typename... Args>
std::u16string Printed(const char* format, Args... args) {
    char text[400]; // room for "%.3f" of the largest double
    const int length = std::snprintf(text, sizeof text, format, args...);
    return std::u16string(text, text + length);
}

// Below half a micrometre a length prints as zero, and so without a sign.
double Shown(double mm) {
    return std::fabs(mm) < 0.0005 ? 0.0 : mm;
}

} // namespace

std::u16string FormatMillimetres(double mm) {
    return Printed("%.3f", Shown(mm));
}

std::u16string FormatDeviation(double mm) {
    return Shown(mm) == 0.0 ? u"0" : Printed("%+.3f", mm);
}

std::u16string FormatDiameter(const PinSize& size) {
    return u"φ" + calc::FormatNumberText(std::round(size.basic * 1000.0) / 1000.0) + u" " +
           FormatDeviation(size.upperDeviation()) + u"/" + FormatDeviation(size.lowerDeviation());
}

std::u16string FormatAngle(double degrees) {
    const long long tenths = std::llround(degrees * 36000.0);
    return Printed("%lld", tenths / 36000) + u"°" + Printed("%02lld", tenths / 600 % 60) + u"′" +
           Printed("%02lld.%lld", tenths / 10 % 60, tenths % 10) + u"″";
}

} // namespace design
