#pragma once

// Start-up, shut-down and the saved settings.
//
// Main opens the rates database, fills the main window's lists, restores the
// saved position, countries and commission, and shows the window. Closing the
// main window (any route) closes the database, shows the farewell splash and
// saves the settings. The process ends when its last window (main window,
// splash, About box) has gone.

#include <QPoint>
#include <QString>

class QApplication;
class QSize;

namespace app {

// What LoadSettings reads, for Start to apply.
struct SavedSettings {
    // The countries of the Convert From and Convert To lists, saved under the
    // keys "ConvertTo" and "ConvertFrom" respectively, names files of earlier
    // versions rely on. Empty when none was saved.
    QString fromCountry;
    QString toCountry;
    double commission = 0.0;
    QPoint position;  // the main window's top left corner, in pixels
};

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

SavedSettings LoadSettings();
// Where a window of frameSize goes when asked for position: there, even partly
// off screen, unless no screen would show any of it; then the default place.
QPoint reachablePosition(QPoint position, QSize frameSize);
void SaveSettings();
void SelectCountry(const QString& name, int index);

} // namespace app
