#pragma once

// Opening and closing the rates database with the program's dialogs, and filling
// the main window's country lists from the shared record set.

class QListWidget;

namespace MOD_Data {

// Opens cnRates and rsRates from the program folder. Failures are reported in the
// connection or launch dialog. Returns false when the user chose not to go on:
// CloseDatabase has then run and the caller ends the program at once.
bool OpenDatabase();

// Closes and releases rsRates and cnRates, ignoring every failure, then shows the
// closing splash window.
void CloseDatabase();

// Rebuilds both country lists of the main window from rsRates, sorted for
// people; reports a failure in a message box. An empty table empties both lists.
// Nothing is chosen afterwards and no choice is reported.
void FillCountryLists(QListWidget& first, QListWidget& second);

} // namespace MOD_Data
