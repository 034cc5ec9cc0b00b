#include "ui/Failure.h"

#include "data/DbError.h"
#include "ui/MsgBox.h"

#include <QStringList>

#include <exception>

using namespace Qt::StringLiterals;

namespace ui {

QString errorLines(long number, const QString& description)
{
    return u"ERROR #: "_s + QString::number(number) + u"\r\nERROR  :"_s + description;
}

QString failureReport(const QString& firstLine, long number, const QString& description)
{
    const QStringList lines{
        firstLine,
        u"If the problem persists, please report the following details to Fernwick Software:"_s,
        errorLines(number, description),
    };
    return lines.join(u"\r\n"_s);
}

void reportFailure(const QString& firstLine, long number, const QString& description) noexcept
{
    try {
        MsgBox(failureReport(firstLine, number, description), MsgBoxButtons::OK, MsgBoxIcon::Exclamation);
    } catch (...) {
        // A box that cannot be shown has nothing left to tell.
    }
}

void runGuarded(const std::function<void()>& body,
                const std::function<void(long number, const QString& description)>& onFailure) noexcept
{
    const auto fail = [&onFailure](long number, const QString& description) noexcept {
        try {
            onFailure(number, description);
        } catch (...) {
        }
    };
    try {
        body();
    } catch (const MOD_Data::DbError& e) {
        fail(e.Number(), e.Description());
    } catch (const std::exception& e) {
        fail(0, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        fail(0, u"An unexpected error occurred."_s);
    }
}

} // namespace ui
