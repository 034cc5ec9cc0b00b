#include "app/CommandLine.h"

#include "app/FeedCommands.h"
#include "calculator/DayReport.h"
#include "calculator/Receipt.h"
#include "data/DbError.h"
#include "data/Journal.h"
#include "maintenance/ReceiptSettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace app {

namespace {

void print(FILE* stream, const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stream);
    std::fflush(stream);
}

CommandLine invalid(const QString& why)
{
    CommandLine command;
    command.action = CommandLine::Action::Invalid;
    command.message = why;
    return command;
}

CommandLine dayReportFrom(const QCommandLineParser& parser)
{
    CommandLine command;
    command.action = CommandLine::Action::DayReport;
    command.day = QDate::fromString(parser.value(u"day-report"_s), Qt::ISODate);
    if (!command.day.isValid())
        return invalid(QCoreApplication::translate("CommandLine", "--day-report needs a day written YYYY-MM-DD."));
    command.pdf = parser.value(u"pdf"_s);
    command.csv = parser.value(u"csv"_s);
    if (command.pdf.isEmpty() == command.csv.isEmpty())
        return invalid(
            QCoreApplication::translate("CommandLine", "--day-report needs one of --pdf OUT.pdf and --csv OUT.csv."));
    return command;
}

CommandLine reprintFrom(const QCommandLineParser& parser)
{
    CommandLine command;
    command.action = CommandLine::Action::ReprintReceipt;
    bool ok = false;
    command.deal = parser.value(u"reprint-receipt"_s).toLongLong(&ok);
    if (!ok || command.deal < 1)
        return invalid(QCoreApplication::translate("CommandLine", "--reprint-receipt needs a deal's number."));
    if (!parser.positionalArguments().isEmpty() || parser.isSet(u"pdf"_s) || parser.isSet(u"csv"_s))
        return invalid(QCoreApplication::translate("CommandLine", "Unexpected arguments: see --help."));
    return command;
}

int checkJournal(const QString& file)
{
    if (!file.isEmpty() && !QFileInfo(file).isFile()) {
        print(stderr, QCoreApplication::translate("CommandLine", "%1: there is no such file.").arg(file));
        return 1;
    }
    try {
        data::Journal journal(file.isEmpty() ? data::journalPath() : file);
        const data::ChainCheck check = journal.verifyChain();
        if (check.ok()) {
            print(stdout, QCoreApplication::translate("CommandLine", "%1: the journal is whole.").arg(journal.path()));
            return 0;
        }
        print(stdout,
              QCoreApplication::translate("CommandLine", "%1: entry %2 does not match what was recorded.")
                  .arg(journal.path(), calculator::receiptNumber(*check.firstMismatch)));
    } catch (const data::DbError& e) {
        print(stderr, e.Description());
    }
    return 1;
}

int dayReport(const CommandLine& command)
{
    try {
        data::Journal journal;
        const calculator::DayReport report = calculator::readDayReport(journal, command.day);
        const QString fault = command.pdf.isEmpty() ? calculator::writeDayCsv(command.csv, report)
                                                    : calculator::writeDayPdf(command.pdf, report);
        if (fault.isEmpty())
            return 0;
        print(stderr, fault);
    } catch (const data::DbError& e) {
        print(stderr, e.Description());
    }
    return 1;
}

// Without a window there is no one to ask for a printer, so receipts set
// to go nowhere are refused rather than silently dropped.
int reprintReceipt(qint64 number)
{
    if (maintenance::loadReceiptOptions().destination == maintenance::ReceiptDestination::Nowhere) {
        print(stderr, QCoreApplication::translate(
                          "CommandLine", "The settings send receipts nowhere: choose a printer or a folder first."));
        return 1;
    }
    try {
        data::Journal journal;
        const auto entry = journal.entry(number);
        if (!entry || entry->kind != data::EntryKind::Deal) {
            print(stderr, QCoreApplication::translate("CommandLine", "Entry %1 is not a deal.")
                              .arg(calculator::receiptNumber(number)));
            return 1;
        }
        const QString fault = calculator::issueReceipt(nullptr, *entry, true);
        if (fault.isEmpty())
            return 0;
        print(stderr, fault);
    } catch (const data::DbError& e) {
        print(stderr, e.Description());
    }
    return 1;
}

} // namespace

CommandLine readCommandLine(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        {u"check-journal"_s,
         QCoreApplication::translate(
             "CommandLine", "Checks the journal of deals (or FILE) and names the first entry that does not match.")},
        {u"day-report"_s,
         QCoreApplication::translate("CommandLine", "Writes the deals of DAY (YYYY-MM-DD) with --pdf or --csv."),
         u"DAY"_s},
        {u"pdf"_s, QCoreApplication::translate("CommandLine", "The day's report as a PDF file."), u"OUT.pdf"_s},
        {u"csv"_s, QCoreApplication::translate("CommandLine", "The day's report as a CSV file."), u"OUT.csv"_s},
        {u"reprint-receipt"_s,
         QCoreApplication::translate("CommandLine",
                                     "Issues deal N's receipt again, marked COPY, where the settings send receipts."),
         u"N"_s},
        {u"update-rates"_s, QCoreApplication::translate("CommandLine", "Fetches and applies head office's rates once.")},
        {u"export-rates"_s, QCoreApplication::translate("CommandLine", "Writes the program's own export of its rates to FILE."),
         u"FILE"_s},
    });
    parser.addPositionalArgument(
        u"FILE"_s, QCoreApplication::translate("CommandLine", "The journal --check-journal checks."), u"[FILE]"_s);
    if (!parser.parse(args))
        return invalid(parser.errorText());
    CommandLine command;
    if (parser.isSet(u"help"_s)) {
        command.action = CommandLine::Action::Help;
        command.message = parser.helpText();
    } else if (parser.isSet(u"check-journal"_s)) {
        if (parser.positionalArguments().size() > 1)
            return invalid(QCoreApplication::translate("CommandLine", "--check-journal takes at most one file."));
        command.action = CommandLine::Action::CheckJournal;
        command.journal = parser.positionalArguments().value(0);
    } else if (parser.isSet(u"day-report"_s)) {
        return dayReportFrom(parser);
    } else if (parser.isSet(u"reprint-receipt"_s)) {
        return reprintFrom(parser);
    } else if (parser.isSet(u"update-rates"_s) || parser.isSet(u"export-rates"_s)) {
        if (!parser.positionalArguments().isEmpty() || parser.isSet(u"pdf"_s) || parser.isSet(u"csv"_s)
            || (parser.isSet(u"update-rates"_s) && parser.isSet(u"export-rates"_s)))
            return invalid(QCoreApplication::translate("CommandLine", "Unexpected arguments: see --help."));
        command.action = parser.isSet(u"update-rates"_s) ? CommandLine::Action::UpdateRates
                                                         : CommandLine::Action::ExportRates;
        command.exportFile = parser.value(u"export-rates"_s);
    } else if (!parser.positionalArguments().isEmpty() || parser.isSet(u"pdf"_s) || parser.isSet(u"csv"_s)) {
        return invalid(QCoreApplication::translate("CommandLine", "Unexpected arguments: see --help."));
    }
    return command;
}

void prepareWindowlessRun()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY")
        && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int runCommandLine(const CommandLine& command)
{
    switch (command.action) {
    case CommandLine::Action::CheckJournal:
        return checkJournal(command.journal);
    case CommandLine::Action::DayReport:
        return dayReport(command);
    case CommandLine::Action::ReprintReceipt:
        return reprintReceipt(command.deal);
    case CommandLine::Action::UpdateRates:
        return updateRatesCommand();
    case CommandLine::Action::ExportRates:
        return exportRatesCommand(command.exportFile);
    case CommandLine::Action::Help:
        print(stdout, command.message);
        return 0;
    case CommandLine::Action::Invalid:
        print(stderr, command.message);
        return 2;
    case CommandLine::Action::Window:
        break;
    }
    return 0;
}

} // namespace app
