#pragma once

#include <QString>

class QLineEdit;

namespace maintenance {

// The add dialog's rate filter on one typed character code: backspace, the
// decimal key (offered as '.') only while boxText holds no decimal mark yet
// (whatever is selected), and the ten digits are accepted.
bool exchangeRateKeyAccepted(int KeyAscii, const QString& boxText);

// Gives box the rate box's filter (exchangeRateKeyAccepted), for the other
// number boxes of the dialogs: margins, notes, the minimum commission.
void filterNumberKeys(QLineEdit& box);

} // namespace maintenance
