#include "maintenance/WriteCheck.h"

#include "data/NumberForm.h"
#include "data/RecordStore.h"
#include "data/Refusal.h"
#include "data/WriteAccess.h"
#include "data/Wording.h"
#include "widgets/Failure.h"
#include "widgets/MsgBox.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace maintenance {

bool mayChangeRates()
{
    const std::optional<data::WriteRefusal> refusal = data::writeRefusal(data::databasePath());
    if (!refusal)
        return true;
    using Kind = data::WriteRefusal::Kind;
    const char* sentence =
        !refusal->group.isEmpty() ? QT_TRANSLATE_NOOP("Maintenance",
                                                      "You may not change the rates on this computer: ask the "
                                                      "administrator to add you to the group %1, then log in again.")
        : refusal->kind == Kind::ReadOnlyDisk
            ? QT_TRANSLATE_NOOP("Maintenance", "The rates cannot be changed because %1 is on a read-only disk: "
                                               "ask the administrator to make it writable.")
        : refusal->kind == Kind::File
            ? QT_TRANSLATE_NOOP("Maintenance", "The rates cannot be changed because the rates file %1 is "
                                               "read-only for you: ask the administrator to let you write to it.")
            : QT_TRANSLATE_NOOP("Maintenance", "The rates cannot be changed because the folder %1, where the "
                                               "rates file keeps its journal while saving, is read-only for you: "
                                               "ask the administrator to let you write to it.");
    // The group to join, or else the file or folder that is read-only.
    const QString what = !refusal->group.isEmpty() ? refusal->group
                                                    : data::quoted(QDir::toNativeSeparators(refusal->path));
    widgets::MsgBox(QCoreApplication::translate("Maintenance", sentence).arg(what), widgets::MsgBoxButtons::OK,
                    widgets::MsgBoxIcon::Information);
    return false;
}

namespace {

std::optional<data::Refusal> rateRefusal(const QString& typed)
{
    const std::optional<QString> stored = data::pointFormOf(typed);
    if (!stored)
        return data::Refusal{data::FieldRate, data::RefusalKind::NotANumber, typed};
    std::optional<data::Refusal> refusal = data::refusalOf(data::fieldDef(data::FieldRate), *stored);
    if (refusal)
        refusal->value = typed;  // shown as the user wrote it
    return refusal;
}

} // namespace

std::optional<data::RateRow> rowToWrite(const TypedRate& typed, std::initializer_list<QStringView> fields)
{
    for (const QStringView field : fields) {
        const QString& text = field == data::FieldCountry ? typed.country : typed.unit;
        const std::optional<data::Refusal> refusal =
            field == data::FieldRate ? rateRefusal(typed.rate) : data::refusalOf(data::fieldDef(field), text);
        if (refusal) {
            widgets::MsgBox(data::refusalMessage(*refusal), widgets::MsgBoxButtons::OK,
                            widgets::MsgBoxIcon::Exclamation);
            return std::nullopt;
        }
    }
    data::RateRow row;
    row.country = typed.country;
    row.unit = typed.unit;
    row.rateText = data::pointFormOf(typed.rate).value_or(typed.rate);
    return row;
}

void reportSaveError(long number, const QString& description) noexcept
{
    try {
        widgets::MsgBox(widgets::failureReport(
                            QCoreApplication::translate("Maintenance", "There was a problem saving the data."),
                            number, description),
                        widgets::MsgBoxButtons::OK, widgets::MsgBoxIcon::Critical, widgets::saveErrorTitle());
    } catch (...) {
        // It runs where a failure is already being dealt with: nothing more to do.
    }
}

} // namespace maintenance
