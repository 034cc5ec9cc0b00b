#include "data/Validation.h"

#include "data/Money.h"
#include "data/NumberText.h"
#include "data/RateValue.h"
#include "data/TextLimits.h"


#include <cmath>

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace data {

namespace {

Sql::Cell textValue(const QString& text)
{
    Sql::Cell cell;
    cell.type = Sql::CellType::Text;
    cell.text = text;
    return cell;
}

Sql::Cell realValue(double value)
{
    Sql::Cell cell;
    cell.type = Sql::CellType::Real;
    cell.real = value;
    return cell;
}

Sql::Cell textCell(const FieldDef& field, const QString& text)
{
    if (field.required && text.isEmpty())
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store", "The '%1' field cannot be empty.").arg(field.name));
    if (text.contains(QChar(u'\0')))
        fail(
            Err::MultipleStep,
            QCoreApplication::translate("Store", "The text for '%1' contains a null character, which cannot be stored.")
                .arg(field.name));
    if (characterCount(text) > field.maxChars)
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store", "The text for '%1' is longer than %2 characters.")
                 .arg(field.name)
                 .arg(field.maxChars));
    return textValue(text);
}

Sql::Cell rateCell(const FieldDef& field, double value, const QString& text)
{
    switch (rateFault(value, text)) {
    case RateFault::None:
        break;
    case RateFault::NotFinite:
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store", "'%1' is not a valid value for '%2'.").arg(shown(text), field.name));
    case RateFault::NotAboveZero:
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store", "'%1' is not a valid value for '%2': a rate must be greater than 0.")
                 .arg(shown(text), field.name));
    case RateFault::TooSmall:
        fail(Err::MultipleStep,
             QCoreApplication::translate(
                 "Store", "'%1' is too small for '%2': the smallest rate the table can hold is about 2.2E-308.")
                 .arg(shown(text), field.name));
    }
    return realValue(value);
}

Sql::Cell codeCell(const FieldDef& field, const QString& text)
{
    if (!text.isEmpty() && !isCurrencyCode(text))
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store",
                                         "'%1' is not a valid value for '%2': a currency code is three capital letters "
                                         "A to Z, or nothing.")
                 .arg(shown(text), field.name));
    return textValue(text);
}

// A number for a Percent or Money field; the kind's own bounds are checked by the caller.
double numberOf(const FieldDef& field, const QString& text)
{
    const data::ParsedNumber number = data::readNumber(text);
    if (!number.ok())
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store", "'%1' is not a valid value for '%2'.").arg(shown(text), field.name));
    return number.value + 0.0;  // -0 is 0
}

Sql::Cell percentCell(const FieldDef& field, const QString& text)
{
    const double value = numberOf(field, text);
    if (!(value >= 0.0 && value < field.limit))
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store", "'%1' is not a valid value for '%2': it must be 0 or more and below %3.")
                 .arg(shown(text), field.name, numberText(field.limit)));
    return realValue(value);
}

Sql::Cell moneyCell(const FieldDef& field, const QString& text)
{
    const double value = numberOf(field, text);
    if (!(value >= 0.0 && value <= field.limit))
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store", "'%1' is not a valid value for '%2': it must be from 0 to %3.")
                 .arg(shown(text), field.name, numberText(field.limit)));
    // Whole hundredths: the value of its two-decimal text, exactly as that text reads.
    const std::optional<Money> money = Money::fromDouble(value);
    if (!money || money->toDouble() != value)
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store", "'%1' is not a valid value for '%2': it has more than two decimals.")
                 .arg(shown(text), field.name));
    return realValue(value);
}

} // namespace

void fail(ErrorValue value, const QString& description)
{
    throw DbError(value, description);
}

void failClosed()
{
    fail(Err::ObjectClosed,
         QCoreApplication::translate("Store", "Operation is not allowed when the object is closed."));
}

QDate isoDay(const QString& text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() && date.toString(Qt::ISODate) == text ? date : QDate();
}

QString quotedPath(const QString& path)
{
    return u'\'' + path + u'\'';
}

QString shown(const QString& text)
{
    constexpr qsizetype kMax = 60;
    return text.size() <= kMax ? text : text.left(kMax) + u"..."_s;
}

QString duplicateMessage(const std::optional<QString>& country)
{
    if (country)
        return QCoreApplication::translate(
                   "Store", "The country '%1' is already in the rates table; each country can appear only once.")
            .arg(shown(*country));
    return QCoreApplication::translate(
        "Store", "The change would give two rows the same country; each country can appear only once.");
}

std::size_t requireField(QStringView name)
{
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        if (name.compare(Fields[i].name, Qt::CaseInsensitive) == 0)
            return i;
    }
    fail(Err::NotFound,
         QCoreApplication::translate(
             "Store", "Item cannot be found in the collection corresponding to the requested name or ordinal."));
}


Sql::Cell checkedValue(const FieldDef& field, const QString& text)
{
    switch (field.kind) {
    case FieldKind::Text:
        return textCell(field, text);
    case FieldKind::Rate: {
        const data::ParsedNumber number = data::readNumber(text);
        if (number.status == data::NumberStatus::Overflow)
            fail(Err::MultipleStep,
                 QCoreApplication::translate("Store", "'%1' is too large for '%2'.").arg(shown(text), field.name));
        if (!number.ok())
            fail(Err::MultipleStep,
                 QCoreApplication::translate("Store", "'%1' is not a valid value for '%2'.")
                     .arg(shown(text), field.name));
        return rateCell(field, number.value, text);
    }
    case FieldKind::Date: {
        if (text.isEmpty())
            return Sql::Cell{};
        if (isoDay(text).isNull())
            fail(Err::MultipleStep,
                 QCoreApplication::translate("Store",
                                             "'%1' is not a valid value for '%2': a date is written YYYY-MM-DD.")
                     .arg(shown(text), field.name));
        return textValue(text);
    }
    case FieldKind::Code:
        return codeCell(field, text);
    case FieldKind::Percent:
        return percentCell(field, text);
    case FieldKind::Money:
        return moneyCell(field, text);
    }
    fail(Err::MultipleStep, QCoreApplication::translate("Store", "'%1' cannot be stored.").arg(field.name));
}

QString valueFault(QStringView field, const QString& text)
{
    const int index = fieldIndexOf(field);
    if (index < 0)
        return QCoreApplication::translate("Store", "There is no field named '%1'.").arg(field);
    try {
        checkedValue(Fields[static_cast<std::size_t>(index)], text);
    } catch (const DbError& e) {
        return e.Description();
    }
    return QString();
}

Sql::Cell checkedRate(double value)
{
    return rateCell(fieldDef(FieldRate), value, data::numberText(value));
}

Sql::Cell checkedDate(const QDate& date)
{
    if (date.isNull())
        return Sql::Cell{};
    return checkedValue(fieldDef(FieldUpdated), date.toString(Qt::ISODate));
}

} // namespace data
