#pragma once

// The commands that run without a window, for cron, a systemd timer or head
// office's publishing script:
//
//   tallyvane --update-rates        one fetch and apply from head office;
//                                   0 when applied or already current,
//                                   1 with the reason on standard error
//   tallyvane --export-rates FILE   the program's own export of its rates
//
// Both open the rates file beside the program, as the window does; app::Main
// runs them through the command line (app/CommandLine.h).

#include <QString>

namespace app {

int updateRatesCommand();
int exportRatesCommand(const QString& file);

} // namespace app
