#pragma once

// Real SQLCipher files in a temporary folder, for the store's tests.

#include "data/RatesFile.h"
#include "data/RecordStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <vector>

namespace StoreFixtures {

inline std::vector<MOD_Data::RateRow> sampleRows()
{
    // Deliberately not alphabetical: the record set must keep insertion order.
    return {
        {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0},
        {QStringLiteral("United States"), QStringLiteral("Dollar"), 1.27},
        {QStringLiteral("Japan"), QStringLiteral("Yen"), 188.5},
        {QStringLiteral("France"), QStringLiteral("Euro"), 1.17},
    };
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Runs SQL on a file the way another tool would, keyed with the program's
// password or not. Creates the file when it does not exist.
inline int rawExec(const QString& path, const char* sql, bool keyed = true)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK && keyed)
        rc = MOD_Data::keyDatabase(db);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    return rc;
}

// Runs f and returns the DbError number it threw, or 0 when it threw nothing.
inline long errorNumber(const std::function<void()>& f, QString* description = nullptr)
{
    try {
        f();
    } catch (const MOD_Data::DbError& e) {
        if (description)
            *description = e.Description();
        return e.Number();
    }
    return 0;
}

class StoreTest : public ::testing::Test {
protected:
    QString path(const char* name = "Exchange.db") const { return dir.filePath(QString::fromLatin1(name)); }

    void createAndOpen(const std::vector<MOD_Data::RateRow>& rows = sampleRows())
    {
        MOD_Data::createRatesFile(path(), rows);
        reopen();
    }
    void reopen()
    {
        rs.Close();
        cn.Close();
        cn.Open(path());
        rs.Open(cn);
    }
    // Countries in record-set order, read with MoveFirst/MoveNext.
    QStringList countries()
    {
        QStringList out;
        if (rs.isBOF() && rs.isEOF())
            return out;
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
            out << rs.Field(MOD_Data::FieldCountry);
        return out;
    }
    // The row as stored, read through a fresh connection.
    QStringList storedRow(const QString& country)
    {
        MOD_Data::Connection other;
        other.Open(path());
        MOD_Data::Recordset set;
        set.Open(other);
        set.FindCountry(country);
        if (set.isEOF())
            return {};
        return {set.Field(MOD_Data::FieldCountry), set.Field(MOD_Data::FieldUnit), set.Field(MOD_Data::FieldRate)};
    }

    QTemporaryDir dir;
    MOD_Data::Connection cn;
    MOD_Data::Recordset rs;
};

} // namespace StoreFixtures
