#pragma once

// Start-up, shut-down and the saved settings.
//
// Main opens the rates database, fills the main window's lists, restores the
// saved position, countries and commission, and shows the window. Closing the
// main window (any route) closes the database, shows the farewell splash and
// saves the settings. The process ends when its last window (main window,
// splash, About box) has gone.

#include <QString>

class QApplication;

namespace app {

// Set by LoadSettings, used once by Start: the countries of the Convert From
// and Convert To lists. They are saved under the keys "ConvertTo" and
// "ConvertFrom" respectively, names files of earlier versions rely on.
extern QString strFromCountry;
extern QString strToCountry;
extern double dblCom;

// The program's entry: an application, Start, the event loop.
int Main(int argc, char* argv[]);

// Names, icon and resources every run (and every test) needs, and the English
// plural forms.
void initApplication(QApplication& app);

// Main's steps without the event loop. Returns false when the user chose not
// to go on after a failed start-up; the caller then ends at once.
bool Start();

// What a termination signal (logout, shutdown, Ctrl+C) does: any open dialog
// or message box is cancelled first, and the main window closes the ordinary
// way (settings saved) once the handler that opened the dialog has returned,
// never from under it.
void closeForTerminationSignal();

void LoadSettings();
void SaveSettings();
void SelectCountry(const QString& name, int index);

} // namespace app
