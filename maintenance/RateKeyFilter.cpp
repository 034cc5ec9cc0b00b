#include "maintenance/RateKeyFilter.h"

namespace maintenance {

bool exchangeRateKeyAccepted(int KeyAscii, const QString& boxText)
{
    if (KeyAscii == '\b')
        return true;
    // The selection is not looked at: a '.' over a selected '.' is refused too.
    if (KeyAscii == '.')
        return !boxText.contains(u'.');
    return KeyAscii >= '0' && KeyAscii <= '9';
}

} // namespace maintenance
