#include "app/Database.h"

#include "app/frmSplash.h"
#include "data/RecordStore.h"
#include "widgets/Failure.h"
#include "widgets/MsgBox.h"

#include <QCoreApplication>
#include <QDir>

#include <functional>

using namespace Qt::StringLiterals;

namespace app {

namespace {

using data::cnRates;
using data::databasePath;
using data::DbError;
using data::rsRates;
namespace Err = data::Err;
using widgets::MsgBox;
using widgets::MsgBoxButtons;
using widgets::MsgBoxIcon;
using widgets::MsgBoxResult;

QString errorLines(const DbError& e)
{
    return widgets::errorLines(e.Number(), e.Description());
}

void showConnectionDialog(const DbError& e)
{
    const QStringList lines{
        QCoreApplication::translate("Database", "There was a problem connecting to the Exchange rates database."),
        //: Followed by the rates file's path on a line of its own.
        QCoreApplication::translate("Database", "Check if the database is at the following location:"),
        QDir::toNativeSeparators(databasePath()),
        // The failure reports' own line: one translation serves both.
        QCoreApplication::translate(
            "Failure", "If the problem persists, please report the following details to Fernwick Software:"),
        errorLines(e),
    };
    MsgBox(lines.join(u"\r\n"_s), MsgBoxButtons::OK, MsgBoxIcon::Critical, widgets::saveErrorTitle());
}

bool askToGoOn(const DbError& e)
{
    const QStringList lines{
        QCoreApplication::translate("Database", "There was a problem launching Tallyvane."),
        QCoreApplication::translate("Database", "You can still run the software, but you may experience problems."),
        QCoreApplication::translate("Database", "Would you like to continue loading Tallyvane?"),
        errorLines(e),
    };
    return MsgBox(lines.join(u"\r\n"_s), MsgBoxButtons::YesNo, MsgBoxIcon::None, widgets::saveErrorTitle())
        == MsgBoxResult::Yes;
}

} // namespace

bool OpenDatabase()
{
    const std::function<void()> steps[] = {
        [] { cnRates.Open(databasePath()); },
        [] { rsRates.Open(cnRates); },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (const DbError& e) {
            if (e.Value() == Err::CannotOpen) {
                showConnectionDialog(e);
                return true;
            }
            if (!askToGoOn(e)) {
                CloseDatabase();
                return false;
            }
            // Yes: go on with the next step.
        }
    }
    return true;
}

void CloseDatabase()
{
    rsRates.Close();
    cnRates.Close();
    try {
        frmSplash::showSplash();
    } catch (...) {
        // A farewell window that cannot be shown is no reason to stop closing.
    }
}

} // namespace app
