#include "maintenance/Maintenance.h"

#include "app/MsgBox.h"
#include "data/RecordStore.h"

#include <QLineEdit>
#include <QStringList>

#include <algorithm>

#include <exception>

using namespace Qt::StringLiterals;

namespace MOD_Universe {

bool rateBoxesFilled(const QString& country, const QString& denomination, const QString& rate)
{
    return !country.isEmpty() && !denomination.isEmpty() && !rate.isEmpty();
}

void exchangeRateKeyFilter(int& KeyAscii, const QString& boxText)
{
    if (KeyAscii == '\b')
        return;
    if (KeyAscii == '.') {
        // The selection is not looked at: a '.' over a selected '.' is refused too.
        if (boxText.contains(u'.'))
            KeyAscii = 0;
        return;
    }
    if (KeyAscii < '0' || KeyAscii > '9')
        KeyAscii = 0;
}

void limitToCharacters(QLineEdit& box, int limit)
{
    // Qt's own limit counts UTF-16 units; twice the characters never cuts first.
    box.setMaxLength(2 * limit);
    QObject::connect(&box, &QLineEdit::textChanged, &box, [&box, limit](const QString& text) {
        const QList<uint> characters = text.toUcs4();
        if (characters.size() <= limit)
            return;
        const int cursor = box.cursorPosition();
        box.setText(QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), limit));
        box.setCursorPosition(std::min(cursor, int(box.text().size())));
    });
}

QString failureReport(const QString& firstLine, long number, const QString& description)
{
    const QStringList lines{
        firstLine,
        u"If the problem persists, please report the following details to Fernwick Software:"_s,
        u"ERROR #: "_s + QString::number(number),
        u"ERROR  :"_s + description,
    };
    return lines.join(u"\r\n"_s);
}

void reportSaveError(long number, const QString& description) noexcept
{
    try {
        MsgBox(failureReport(u"There was a problem saving the data."_s, number, description), MsgBoxButtons::OK,
               MsgBoxIcon::Critical, SaveErrorTitle);
    } catch (...) {
        // A box that cannot be shown must not stop the clean-up below.
    }
    try {
        // A row begun by AddNew, or fields assigned before the failure, must
        // not be committed by a later move.
        MOD_Data::rsRates.CancelUpdate();
    } catch (...) {
        // Not open: there is nothing pending to discard.
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

} // namespace MOD_Universe
