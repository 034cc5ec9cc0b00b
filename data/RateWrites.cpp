#include "data/RateWrites.h"

#include "data/Layout.h"
#include "data/NumberText.h"
#include "data/SqliteOwners.h"
#include "data/Validation.h"
#include "data/Wording.h"

#include <set>

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace data {

namespace {

void requireOpen(const Connection& connection)
{
    if (!connection.isOpen())
        failClosed();
}

QString textOf(const Sql::Statement& stmt, int column)
{
    switch (stmt.columnType(column)) {
    case SQLITE_NULL:
        return QString();
    case SQLITE_FLOAT:
        return data::numberText(stmt.columnDouble(column));
    default:
        return stmt.columnText(column);
    }
}

double rateOf(const Sql::Statement& stmt, int column)
{
    switch (stmt.columnType(column)) {
    case SQLITE_FLOAT:
    case SQLITE_INTEGER:
        return stmt.columnDouble(column);
    case SQLITE_TEXT: {
        const data::ParsedNumber number = data::readNumber(stmt.columnText(column));
        return number.ok() ? number.value : 0.0;
    }
    default:
        return 0.0;
    }
}

QDate dateOf(const Sql::Statement& stmt, int column)
{
    return stmt.columnType(column) == SQLITE_TEXT ? isoDay(stmt.columnText(column)) : QDate();
}

// Margins and notes are numbers the file's rules kept in range.
double numberOf(const Sql::Statement& stmt, int column)
{
    const int type = stmt.columnType(column);
    return type == SQLITE_FLOAT || type == SQLITE_INTEGER ? stmt.columnDouble(column) : 0.0;
}

// Columns of the row queries below, 1-based after rowid, in the order of Fields.
constexpr int column(QStringView field)
{
    return fieldIndexOf(field) + 1;
}

// Every value is checked before anything is written.
void checkWrites(const std::vector<RateWrite>& writes)
{
    std::set<QString> named;
    for (const RateWrite& write : writes) {
        if (write.isNew) {
            checkedValue(fieldDef(FieldCountry), write.country);
            checkedValue(fieldDef(FieldUnit), write.unit);
        }
        checkedRate(write.rate);
        checkedDate(write.updated);
        checkedValue(fieldDef(FieldCode), write.code);
        if (write.isNew) {
            checkedValue(fieldDef(FieldBuyMargin), numberText(write.buyMargin));
            checkedValue(fieldDef(FieldSellMargin), numberText(write.sellMargin));
            checkedValue(fieldDef(FieldSmallestNote), write.smallestNote.toText());
        }
        if (!named.insert(write.country).second)
            fail(Err::WriteFailed,
                 QCoreApplication::translate(
                     "Store",
                     "The country %1 is named twice in the rates to write; each country can appear only once.")
                     .arg(quoted(shown(write.country))));
    }
}

// The statements of one batch of writes, compiled once for all its rows.
struct WriteStatements {
    explicit WriteStatements(sqlite3* db);
    std::optional<std::int64_t> rowidOf(const QString& country);
    void write(const RateWrite& write);
    // Finished before the commit, so no statement holds the table.
    void finish() noexcept;

    sqlite3* db;
    Sql::Statement find, insert, update;
};

WriteStatements::WriteStatements(sqlite3* db)
    : db(db),
      find(db, "SELECT rowid FROM " + Sql::quoted(TableName) + " WHERE " + Sql::quoted(FieldCountry) + " = ?1 LIMIT 1"),
      insert(db, Layout::insertSql()),
      update(db, "UPDATE " + Sql::quoted(TableName) + " SET " + Sql::quoted(FieldRate) + " = ?1, "
                     + Sql::quoted(FieldUpdated) + " = ?2, " + Sql::quoted(FieldCode) + " = CASE WHEN "
                     + Sql::quoted(FieldCode) + " = '' THEN ?3 ELSE " + Sql::quoted(FieldCode) + " END WHERE rowid = ?4")
{
}

std::optional<std::int64_t> WriteStatements::rowidOf(const QString& country)
{
    const Sql::Rewind rewind(find);
    find.bind(1, country);
    if (find.step())
        return find.columnInt(0);
    return std::nullopt;
}

void WriteStatements::write(const RateWrite& write)
{
    const std::optional<std::int64_t> rowid = rowidOf(write.country);
    Sql::Statement& stmt = write.isNew ? insert : update;
    const Sql::Rewind rewind(stmt);
    if (write.isNew) {
        // Checked here too: a table made by another tool may lack the unique rule.
        if (rowid)
            fail(Err::WriteFailed, duplicateMessage(write.country));
        RateRow row{write.country, write.unit, write.rate, write.updated};
        row.code = write.code;
        row.buyMargin = write.buyMargin;
        row.sellMargin = write.sellMargin;
        row.smallestNote = write.smallestNote;
        Layout::bindRow(insert, row);
    } else {
        if (!rowid)
            fail(Err::WriteFailed,
                 QCoreApplication::translate("Store",
                                             "The country %1 is not in the rates table, so its rate cannot be changed.")
                     .arg(quoted(shown(write.country))));
        update.bind(1, write.rate);
        update.bind(2, write.updated);
        update.bind(3, write.code);
        update.bindInt(4, *rowid);
    }
    const int rc = stmt.tryStep();
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        fail(Err::WriteFailed, duplicateMessage(write.country));
    if (rc != SQLITE_DONE)
        throw sqliteFailure(db, rc);
}

void WriteStatements::finish() noexcept
{
    find.reset();
    insert.reset();
    update.reset();
}

// A whole table as another till set it: every value checked, no country twice.
void checkRows(const std::vector<RateRow>& rows)
{
    std::set<QString> named;
    for (const RateRow& row : rows) {
        checkedValue(fieldDef(FieldCountry), row.country);
        checkedValue(fieldDef(FieldUnit), row.unit);
        checkedRate(row.rate);
        checkedDate(row.updated);
        checkedValue(fieldDef(FieldCode), row.code);
        checkedValue(fieldDef(FieldBuyMargin), numberText(row.buyMargin));
        checkedValue(fieldDef(FieldSellMargin), numberText(row.sellMargin));
        checkedValue(fieldDef(FieldSmallestNote), row.smallestNote.toText());
        if (!named.insert(row.country).second)
            fail(Err::WriteFailed, duplicateMessage(row.country));
    }
}

// Runs a statement once and rewinds it for the next bindings.
void runStatement(sqlite3* db, Sql::Statement& stmt)
{
    const int rc = stmt.tryStep();
    stmt.rewind();
    if (rc != SQLITE_DONE)
        throw sqliteFailure(db, rc);
}

} // namespace

std::vector<RateRow> readAllRates(Connection& connection)
{
    requireOpen(connection);
    sqlite3* db = connection.handle();
    const Layout::Present present = Layout::requireColumns(db, Layout::version(db));
    Sql::Statement select(db, "SELECT " + Layout::selectList(present) + " FROM " + Sql::quoted(TableName)
                                  + " ORDER BY rowid");
    const Sql::Rewind rewind(select);
    std::vector<RateRow> rows;
    while (select.step()) {
        RateRow row{textOf(select, column(FieldCountry)), textOf(select, column(FieldUnit)),
                    rateOf(select, column(FieldRate)), dateOf(select, column(FieldUpdated))};
        row.code = textOf(select, column(FieldCode));
        row.buyMargin = numberOf(select, column(FieldBuyMargin));
        row.sellMargin = numberOf(select, column(FieldSellMargin));
        row.smallestNote = Money::fromDouble(numberOf(select, column(FieldSmallestNote))).value_or(Money());
        rows.push_back(std::move(row));
    }
    return rows;
}

void applyRateWrites(Connection& connection, const std::vector<RateWrite>& writes)
{
    requireOpen(connection);
    sqlite3* db = connection.handle();
    checkWrites(writes);
    asWrite([&writes, db] {
        Sql::Transaction transaction(db);
        Layout::bringUpToDate(db);
        WriteStatements statements(db);
        for (const RateWrite& write : writes)
            statements.write(write);
        statements.finish();
        transaction.commit();
    });
    connection.resyncRecordsets();
}

void replaceAllRates(Connection& connection, const std::vector<RateRow>& rows,
                     const std::vector<std::pair<QString, QString>>& settings)
{
    requireOpen(connection);
    sqlite3* db = connection.handle();
    checkRows(rows);
    asWrite([&] {
        Sql::Transaction transaction(db);
        Layout::bringUpToDate(db);
        Sql::Statement clear(db, "DELETE FROM " + Sql::quoted(TableName));
        runStatement(db, clear);
        Sql::Statement insert(db, Layout::insertSql());
        for (const RateRow& row : rows) {
            Layout::bindRow(insert, row);
            runStatement(db, insert);
        }
        Sql::Statement setting(db, "INSERT OR REPLACE INTO " + Sql::quoted(SettingsTableName) + " ("
                                       + Sql::quoted(u"Name") + ", " + Sql::quoted(u"Value") + ") VALUES (?1, ?2)");
        for (const auto& [name, value] : settings) {
            setting.bind(1, name);
            setting.bind(2, value);
            runStatement(db, setting);
        }
        // Finished before the commit, so no statement holds the table.
        clear.reset();
        insert.reset();
        setting.reset();
        transaction.commit();
    });
    connection.resyncRecordsets();
}

} // namespace data
