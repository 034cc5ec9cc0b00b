#include "widgets/Failure.h"

#include "data/DbError.h"
#include "widgets/MsgBox.h"

#include <QCoreApplication>
#include <QStringList>

#include <exception>

using namespace Qt::StringLiterals;

namespace widgets {

QString saveErrorTitle()
{
    return QCoreApplication::translate("Failure", "Save Error");
}

QString errorLines(long number, const QString& description)
{
    //: The first of two lines closing a failure report; %1 is the error's number.
    const QString numberLine = QCoreApplication::translate("Failure", "ERROR #: %1").arg(number);
    //: The second line, under "ERROR #: %1"; %1 is the error's description.
    const QString descriptionLine = QCoreApplication::translate("Failure", "ERROR  :%1").arg(description);
    return numberLine + u"\r\n"_s + descriptionLine;
}

QString failureReport(const QString& firstLine, long number, const QString& description)
{
    const QStringList lines{
        firstLine,
        QCoreApplication::translate(
            "Failure", "If the problem persists, please report the following details to Fernwick Software:"),
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
    } catch (const data::DbError& e) {
        fail(e.Number(), e.Description());
    } catch (const std::exception& e) {
        fail(0, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        fail(0, QCoreApplication::translate("Failure", "An unexpected error occurred."));
    }
}

} // namespace widgets
