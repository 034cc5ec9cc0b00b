#include "data/Validation.h"

#include "data/NumberText.h"
#include "data/Refusal.h"
#include "data/Wording.h"

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

void failIfRefused(const std::optional<Refusal>& refusal)
{
    if (refusal)
        fail(Err::MultipleStep, refusalMessage(*refusal));
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
    return quoted(path);
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
                   "Store", "The country %1 is already in the rates table; each country can appear only once.")
            .arg(quoted(shown(*country)));
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
    failIfRefused(refusalOf(field, text));
    switch (field.kind) {
    case FieldKind::Text:
        return textValue(text);
    case FieldKind::Rate:
        return realValue(readNumber(text).value);
    case FieldKind::Date:
        return text.isEmpty() ? Sql::Cell{} : textValue(text);
    case FieldKind::Code:
        return textValue(text);
    case FieldKind::Percent:
    case FieldKind::Money:
        return realValue(readNumber(text).value + 0.0);  // -0 is 0
    }
    return textValue(text);
}

Sql::Cell checkedRate(double value)
{
    failIfRefused(refusalOfRate(value, numberText(value)));
    return realValue(value);
}

Sql::Cell checkedDate(const QDate& date)
{
    if (date.isNull())
        return Sql::Cell{};
    return checkedValue(fieldDef(FieldUpdated), date.toString(Qt::ISODate));
}

} // namespace data
