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

bool isNumberField(QStringView field)
{
    return data::fieldDef(field).kind != data::FieldKind::Text && data::fieldDef(field).kind != data::FieldKind::Code;
}

const QString& typedText(const TypedRate& typed, QStringView field)
{
    const std::pair<QStringView, const QString*> boxes[] = {
        {data::FieldCountry, &typed.country},       {data::FieldUnit, &typed.unit},
        {data::FieldRate, &typed.rate},             {data::FieldCode, &typed.code},
        {data::FieldBuyMargin, &typed.buyMargin},   {data::FieldSellMargin, &typed.sellMargin},
        {data::FieldSmallestNote, &typed.smallestNote},
    };
    for (const auto& [name, text] : boxes) {
        if (name == field)
            return *text;
    }
    return typed.country;
}

// A number box's text in the store's form; an empty margin or note is 0.
std::optional<QString> storedNumber(QStringView field, const QString& typed)
{
    if (typed.isEmpty() && field != data::FieldRate)
        return u"0"_s;
    return data::pointFormOf(typed);
}

std::optional<data::Refusal> refusalOf(QStringView field, const QString& typed)
{
    if (!isNumberField(field))
        return data::refusalOf(data::fieldDef(field), typed);
    const std::optional<QString> stored = storedNumber(field, typed);
    if (!stored)
        return data::Refusal{field, data::RefusalKind::NotANumber, typed};
    std::optional<data::Refusal> refusal = data::refusalOf(data::fieldDef(field), *stored);
    if (refusal)
        refusal->value = typed;  // shown as the user wrote it
    return refusal;
}

double storedValue(QStringView field, const QString& typed)
{
    return data::readNumber(storedNumber(field, typed).value_or(QString())).value;
}

} // namespace

std::optional<data::RateRow> rowToWrite(const TypedRate& typed, std::initializer_list<QStringView> fields)
{
    for (const QStringView field : fields) {
        if (const std::optional<data::Refusal> refusal = refusalOf(field, typedText(typed, field))) {
            widgets::MsgBox(data::refusalMessage(*refusal), widgets::MsgBoxButtons::OK,
                            widgets::MsgBoxIcon::Exclamation);
            return std::nullopt;
        }
    }
    data::RateRow row;
    row.country = typed.country;
    row.unit = typed.unit;
    row.rateText = data::pointFormOf(typed.rate).value_or(typed.rate);
    row.code = typed.code;
    row.buyMargin = storedValue(data::FieldBuyMargin, typed.buyMargin);
    row.sellMargin = storedValue(data::FieldSellMargin, typed.sellMargin);
    row.smallestNote = data::Money::fromDouble(storedValue(data::FieldSmallestNote, typed.smallestNote))
                           .value_or(data::Money());
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
