#include "data/RateValue.h"

#include "data/Fields.h"

#include <algorithm>
#include <cmath>

namespace data {

RateFault rateFault(double value, QStringView written)
{
    if (!std::isfinite(value))
        return RateFault::NotFinite;
    if (value > 0.0)
        return std::isnormal(value) ? RateFault::None : RateFault::TooSmall;
    if (value < 0.0)
        return RateFault::NotAboveZero;
    // Zero: written so, or too small to read as anything else.
    if (written.trimmed().startsWith(u'-'))
        return RateFault::NotAboveZero;
    for (QChar c : written) {
        if (c == u'e' || c == u'E')
            break;
        if (c >= u'1' && c <= u'9')
            return RateFault::TooSmall;
    }
    return RateFault::NotAboveZero;
}

bool isCurrencyCode(QStringView text)
{
    if (text.size() != CodeLength)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

} // namespace data
