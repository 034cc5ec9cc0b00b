#include "data/TillSettings.h"

#include "data/Layout.h"
#include "data/SqliteOwners.h"
#include "data/Validation.h"

#include <QCoreApplication>

namespace data {

namespace {

const QByteArray& selectSql()
{
    static const QByteArray sql = "SELECT " + Sql::quoted(u"Value") + " FROM " + Sql::quoted(SettingsTableName)
        + " WHERE " + Sql::quoted(u"Name") + " = ?1";
    return sql;
}

bool hasSettingsTable(sqlite3* db)
{
    Sql::Statement stmt(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    const Sql::Rewind rewind(stmt);
    stmt.bind(1, SettingsTableName.toString());
    return stmt.step();
}

void requireOpen(const Connection& connection)
{
    if (!connection.isOpen())
        failClosed();
}

bool allowedMinimum(Money amount)
{
    return amount >= Money() && amount.toDouble() <= MaxMinimumCommission;
}

} // namespace

std::optional<QString> readSetting(Connection& connection, QStringView name)
{
    requireOpen(connection);
    sqlite3* db = connection.handle();
    if (!hasSettingsTable(db))
        return std::nullopt;
    Sql::Statement stmt(db, selectSql());
    const Sql::Rewind rewind(stmt);
    stmt.bind(1, name.toString());
    if (!stmt.step())
        return std::nullopt;
    return stmt.columnText(0);
}

void writeSetting(Connection& connection, QStringView name, const QString& value)
{
    requireOpen(connection);
    sqlite3* db = connection.handle();
    asWrite([&] {
        Sql::Transaction transaction(db);
        Layout::bringUpToDate(db);
        Sql::Statement stmt(db, "INSERT OR REPLACE INTO " + Sql::quoted(SettingsTableName) + " ("
                                    + Sql::quoted(u"Name") + ", " + Sql::quoted(u"Value") + ") VALUES (?1, ?2)");
        stmt.bind(1, name.toString());
        stmt.bind(2, value);
        const int rc = stmt.tryStep();
        stmt.reset();
        if (rc != SQLITE_DONE)
            throw sqliteFailure(db, rc);
        transaction.commit();
    });
    // An upgrade on the way added fields the record sets should now read.
    connection.resyncRecordsets();
}

Money readMinimumCommission(Connection& connection)
{
    const std::optional<QString> text = readSetting(connection, SettingMinimumCommission);
    if (!text)
        return Money();
    const std::optional<Money> amount = Money::fromText(*text);
    if (!amount || !allowedMinimum(*amount))
        fail(Err::MultipleStep, QCoreApplication::translate(
                                    "Store", "The rates database holds '%1' as the minimum commission, which is not "
                                             "an amount from 0 to %2.")
                                    .arg(shown(*text), Money::fromDouble(MaxMinimumCommission)->toText()));
    return *amount;
}

void writeMinimumCommission(Connection& connection, Money amount)
{
    if (!allowedMinimum(amount))
        fail(Err::MultipleStep,
             QCoreApplication::translate("Store", "The minimum commission must be an amount from 0 to %1.")
                 .arg(Money::fromDouble(MaxMinimumCommission)->toText()));
    writeSetting(connection, SettingMinimumCommission, amount.toText());
}

} // namespace data
