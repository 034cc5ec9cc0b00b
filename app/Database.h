#pragma once

// Opening and closing the rates database with the program's dialogs, at
// start-up and shut-down.

namespace app {

// Opens cnRates and rsRates from the program folder. Failures are reported in the
// connection or launch dialog. Returns false when the user chose not to go on:
// CloseDatabase has then run and the caller ends the program at once.
bool OpenDatabase();

// Closes and releases rsRates and cnRates, ignoring every failure, then shows the
// closing splash window.
void CloseDatabase();

} // namespace app
