#pragma once

// The File menu's Add Rates, Edit Rates and Delete Rates commands. Each first
// checks that this user may change the rates (mayChangeRates); if so it
// builds its dialog afresh, shows it modally over owner and returns true once
// the dialog has closed. False: no dialog was shown, the reason having been
// said. The writes announce themselves (data::Rates::ratesChanged).

class QWidget;

namespace maintenance {

bool showAddRates(QWidget& owner);
bool showDeleteRates(QWidget& owner);
bool showEditRates(QWidget& owner);

} // namespace maintenance
