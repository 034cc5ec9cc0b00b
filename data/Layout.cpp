#include "data/Layout.h"

#include "data/RateRow.h"
#include "data/SqliteOwners.h"
#include "data/Validation.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace data::Layout {

namespace {

// ALTER TABLE ADD COLUMN cannot give the rows already there a unique or
// required value, so a field that comes with a later layout must allow NULL
// or bring its default.
constexpr bool laterFieldsAreOptional()
{
    for (const FieldDef& field : Fields) {
        if (field.since > 1 && (field.required || field.unique))
            return false;
    }
    return true;
}
static_assert(laterFieldsAreOptional());
static_assert(Fields[0].since == 1 && Fields[0].unique, "rows are found by the first field");

// The rules the program relies on live in the file itself, so no other writer
// (a second copy of the program, a buggy caller) can store a duplicate country,
// a rate that is not a finite number above 0, a date that is not a date, a
// margin of 100 % or a note below 0.
// Text uses the default binary collation: case and blanks count.
QByteArray checkOf(const FieldDef& field, const QByteArray& name)
{
    const QByteArray number = "typeof(" + name + ") IN ('real', 'integer') AND ";
    switch (field.kind) {
    case FieldKind::Text:
        return field.required ? "length(" + name + ") BETWEEN 1 AND " + QByteArray::number(field.maxChars)
                              : "length(" + name + ") <= " + QByteArray::number(field.maxChars);
    case FieldKind::Rate:
        return number + name + " > 0 AND " + name + " <= 1.7976931348623157e308";
    case FieldKind::Date:
        // Through the day number and back: anything but a real YYYY-MM-DD day
        // (2021-02-30, a time, another format) comes back different or NULL.
        return name + " IS NULL OR (typeof(" + name + ") = 'text' AND date(julianday(" + name + ")) IS " + name + ")";
    case FieldKind::Code:
        return "typeof(" + name + ") = 'text' AND (" + name + " = '' OR (length(" + name + ") = "
            + QByteArray::number(field.maxChars) + " AND " + name + " GLOB '" + QByteArray("[A-Z]").repeated(field.maxChars)
            + "'))";
    case FieldKind::Percent:
        return number + name + " >= 0 AND " + name + " < " + QByteArray::number(field.limit, 'g', 17);
    case FieldKind::Money:
        // Whole hundredths, give or take the double's own error at the limit.
        return number + name + " >= 0 AND " + name + " <= " + QByteArray::number(field.limit, 'g', 17) + " AND abs("
            + name + " * 100 - round(" + name + " * 100)) < 0.0001";
    }
    return "1";
}

// The value a row given none holds, as SQL.
QByteArray defaultOf(const FieldDef& field)
{
    return field.kind == FieldKind::Code || field.kind == FieldKind::Text ? QByteArray("''") : QByteArray("0");
}

QByteArray columnDefinition(const FieldDef& field)
{
    const QByteArray name = Sql::quoted(field.name);
    QByteArray sql = name;
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::Date:
    case FieldKind::Code:
        sql += " TEXT";
        break;
    case FieldKind::Rate:
    case FieldKind::Percent:
    case FieldKind::Money:
        sql += " REAL";
        break;
    }
    if (field.required || field.hasDefault)
        sql += " NOT NULL";
    if (field.hasDefault)
        sql += " DEFAULT " + defaultOf(field);
    if (field.unique)
        sql += " UNIQUE";
    return sql + " CHECK (" + checkOf(field, name) + ")";
}

DbError unknownLayout(int found)
{
    if (found < 0)
        return DbError(Err::CannotOpen,
                       QCoreApplication::translate(
                           "Store",
                           "The rates database has a layout this version of Tallyvane does not know (%1). It is left "
                           "as it is.")
                           .arg(found));
    return DbError(Err::CannotOpen,
                   QCoreApplication::translate(
                       "Store",
                       "The rates database was made by a newer version of Tallyvane (layout %1; this version knows "
                       "layouts up to %2). It is left as it is: use the newer version, or a copy of the file made "
                       "for this one.")
                       .arg(found)
                       .arg(CurrentLayout));
}

void stampCurrent(sqlite3* db)
{
    Sql::exec(db, ("PRAGMA user_version = " + QByteArray::number(CurrentLayout)).constData());
}

// The till's settings: a value per name, as exact text.
void createSettingsTable(sqlite3* db)
{
    const QByteArray name = Sql::quoted(u"Name"), value = Sql::quoted(u"Value");
    Sql::exec(db, ("CREATE TABLE IF NOT EXISTS " + Sql::quoted(SettingsTableName) + " (" + name
                   + " TEXT PRIMARY KEY NOT NULL CHECK (typeof(" + name + ") = 'text' AND length(" + name
                   + ") BETWEEN 1 AND 50), " + value + " TEXT NOT NULL CHECK (typeof(" + value + ") = 'text' AND length("
                   + value + ") <= 1000))")
                      .constData());
}

// ?N of a field in insertSql.
constexpr int parameter(QStringView field)
{
    return fieldIndexOf(field) + 1;
}

} // namespace

void createTable(sqlite3* db)
{
    QByteArray columns;
    for (const FieldDef& field : Fields) {
        if (!columns.isEmpty())
            columns += ", ";
        columns += columnDefinition(field);
    }
    Sql::exec(db, ("CREATE TABLE " + Sql::quoted(TableName) + " (" + columns + ")").constData());
    createSettingsTable(db);
    stampCurrent(db);
}

QByteArray insertSql()
{
    QByteArray columns, values;
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        if (i > 0) {
            columns += ", ";
            values += ", ";
        }
        columns += Sql::quoted(Fields[i].name);
        values += '?' + QByteArray::number(static_cast<int>(i) + 1);
    }
    return "INSERT INTO " + Sql::quoted(TableName) + " (" + columns + ") VALUES (" + values + ")";
}

void bindRow(Sql::Statement& insert, const RateRow& row)
{
    insert.bind(parameter(FieldCountry), row.country);
    insert.bind(parameter(FieldUnit), row.unit);
    insert.bind(parameter(FieldRate), row.rate);
    insert.bind(parameter(FieldUpdated), row.updated);
    insert.bind(parameter(FieldCode), row.code);
    insert.bind(parameter(FieldBuyMargin), row.buyMargin);
    insert.bind(parameter(FieldSellMargin), row.sellMargin);
    insert.bind(parameter(FieldSmallestNote), row.smallestNote.toDouble());
}

int version(sqlite3* db)
{
    Sql::Statement stmt(db, "PRAGMA user_version");
    const Sql::Rewind rewind(stmt);
    return stmt.step() ? static_cast<int>(stmt.columnInt(0)) : 0;
}

void checkKnown(int version)
{
    // A negative number is no layout of this program either.
    if (version < 0 || version > CurrentLayout)
        throw unknownLayout(version);
}

Present presentColumns(sqlite3* db, bool& tableFound)
{
    Present present{};
    tableFound = false;
    Sql::Statement info(db, "PRAGMA table_info(" + Sql::quoted(TableName) + ")");
    const Sql::Rewind rewind(info);
    while (info.step()) {
        tableFound = true;
        const QString column = info.columnText(1);
        for (std::size_t i = 0; i < Fields.size(); ++i) {
            // SQLite column names ignore case, so "country" is the same column.
            if (column.compare(Fields[i].name, Qt::CaseInsensitive) == 0)
                present[i] = true;
        }
    }
    return present;
}

bool requiredAt(const FieldDef& field, int version)
{
    // Version 0 is the first layout, made before it had a number.
    return field.since <= std::max(version, 1);
}

Present requireColumns(sqlite3* db, int version)
{
    bool tableFound = false;
    const Present present = presentColumns(db, tableFound);
    if (!tableFound)
        fail(Err::NoTable,
             QCoreApplication::translate("Store", "Cannot find the table 'tblExchanges' in the database."));
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        if (!present[i] && requiredAt(Fields[i], version))
            fail(Err::BadField,
                 QCoreApplication::translate("Store", "The table 'tblExchanges' has no field named '%1'.")
                     .arg(Fields[i].name));
    }
    return present;
}

QByteArray selectList(const Present& present)
{
    QByteArray list = "rowid";
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        const FieldDef& field = Fields[i];
        list += ", " + (present[i] ? Sql::quoted(field.name) : field.hasDefault ? defaultOf(field) : QByteArray("NULL"));
    }
    return list;
}

void bringUpToDate(sqlite3* db)
{
    // Read again inside the transaction: another copy may have upgraded the
    // file since this one opened it.
    const int found = version(db);
    checkKnown(found);
    if (found == CurrentLayout)
        return;
    const Present present = requireColumns(db, found);
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        if (!present[i])
            Sql::exec(db, ("ALTER TABLE " + Sql::quoted(TableName) + " ADD COLUMN " + columnDefinition(Fields[i]))
                              .constData());
    }
    createSettingsTable(db);
    stampCurrent(db);
}

} // namespace data::Layout
