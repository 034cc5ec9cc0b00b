#pragma once

#include <QString>

namespace maintenance {

// The add dialog's rate filter on one typed character code: backspace, the
// decimal key (offered as '.') only while boxText holds no decimal mark yet
// (whatever is selected), and the ten digits are accepted.
bool exchangeRateKeyAccepted(int KeyAscii, const QString& boxText);

} // namespace maintenance
