#pragma once

// The command line: without options the window opens; the options below do
// their work without one, print what a script needs and return its exit code.
//   --check-journal [FILE]   0 when the chain is whole, 1 naming the first bad entry
//   --day-report YYYY-MM-DD --pdf OUT.pdf | --csv OUT.csv
//   --reprint-receipt N      deal N's receipt, marked COPY, where the settings send receipts
//   --update-rates           one fetch and apply from head office (app/FeedCommands.h)
//   --export-rates FILE      the program's own export of its rates

#include <QDate>
#include <QString>

namespace app {

struct CommandLine {
    enum class Action { Window, CheckJournal, DayReport, ReprintReceipt, UpdateRates, ExportRates, Help, Invalid };
    Action action = Action::Window;
    QString journal; // CheckJournal: the file; empty for the program's own
    QDate day;
    qint64 deal = 0; // ReprintReceipt
    QString pdf;
    QString csv;
    QString exportFile; // ExportRates
    QString message; // Invalid: why; Help: the text
};

// Reads argv before any application exists (a windowless run needs no display).
CommandLine readCommandLine(int argc, char* argv[]);
// Where no display is set, the offscreen platform, so PDFs can be drawn.
void prepareWindowlessRun();
// Runs a windowless action on the application made since; its exit code.
int runCommandLine(const CommandLine& command);

} // namespace app
