#include "app/Database.h"

#include "app/frmSplash.h"
#include "data/RecordStore.h"
#include "ui/Failure.h"
#include "ui/MsgBox.h"

#include <QDir>

#include <functional>

using namespace Qt::StringLiterals;

namespace MOD_Data {

namespace {

using ui::MsgBox;
using ui::MsgBoxButtons;
using ui::MsgBoxIcon;
using ui::MsgBoxResult;
using ui::SaveErrorTitle;

QString errorLines(const DbError& e)
{
    return ui::errorLines(e.Number(), e.Description());
}

void showConnectionDialog(const DbError& e)
{
    const QStringList lines{
        u"There was a problem connecting to the Exchange rates database."_s,
        u"Check if the database is at the following location:"_s,
        QDir::toNativeSeparators(databasePath()),
        u"If the problem persists, please report the following details to Fernwick Software:"_s,
        errorLines(e),
    };
    MsgBox(lines.join(u"\r\n"_s), MsgBoxButtons::OK, MsgBoxIcon::Critical, SaveErrorTitle);
}

bool askToGoOn(const DbError& e)
{
    const QStringList lines{
        u"There was a problem launching Tallyvane."_s,
        u"You can still run the software, but you may experience problems."_s,
        u"Would you like to continue loading Tallyvane?"_s,
        errorLines(e),
    };
    return MsgBox(lines.join(u"\r\n"_s), MsgBoxButtons::YesNo, MsgBoxIcon::None, SaveErrorTitle)
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

} // namespace MOD_Data
