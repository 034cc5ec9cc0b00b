#include "data/RateValue.h"

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

} // namespace data
