#include "maintenance/RateKeyFilter.h"

#include "data/NumberForm.h"

namespace maintenance {

bool exchangeRateKeyAccepted(int KeyAscii, const QString& boxText)
{
    if (KeyAscii == '\b')
        return true;
    // The decimal key comes as '.', and types the user's mark. The selection
    // is not looked at: a mark over a selected mark is refused too.
    if (KeyAscii == '.')
        return !boxText.contains(data::decimalMark());
    return KeyAscii >= '0' && KeyAscii <= '9';
}

} // namespace maintenance
