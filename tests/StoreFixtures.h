#pragma once

// Support for the tests of the store and of the program on real SQLCipher
// files in a temporary folder: files made the way today's build, another tool
// or an accident would make them, readers of what a file holds, a file this
// process really cannot write, and a second writer holding the lock.

#include "data/NewDatabase.h"
#include "data/RecordStore.h"
#include "tests/TestSupport.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace StoreFixtures {

QByteArray fileBytes(const QString& path);
// Replaces the file's content; fails the test when it cannot.
void writeBytes(const QString& path, const QByteArray& bytes);

// Runs SQL on a file the way another tool would, keyed with the program's
// password or not. Creates the file when it does not exist.
int rawExec(const QString& path, const char* sql, bool keyed = true);

// The first column of the first row of a query on a keyed file, as text;
// "error: ..." when it fails.
QString rawValue(const QString& path, const char* sql);

int userVersion(const QString& path);

// A rates file exactly as the build before numbered layouts made it: the same
// SQL as its createRatesDatabase, user_version left at 0 (or stamped, to make a
// file of the first numbered layout, which is the same table).
void createUnnumberedFile(const QString& path, const std::vector<data::RateRow>& rows, int version = 0);
// A rates file of the second layout exactly as the build of that layout made
// it: the first layout's table with Updated, the rows with their dates.
void createSecondLayoutFile(const QString& path, const std::vector<data::RateRow>& rows);
// A file of the given older layout (0, 1 or 2) made by the build of it.
void createOlderFile(const QString& path, const std::vector<data::RateRow>& rows, int version);

// Runs f and returns the DbError number it threw, or 0 when it threw nothing.
long errorNumber(const std::function<void()>& f, QString* description = nullptr);

// A shorter wait for locks while it lives, so tests of a locked file take
// milliseconds, not the program's seconds.
class ShortBusyTimeout {
public:
    explicit ShortBusyTimeout(std::chrono::milliseconds timeout = std::chrono::milliseconds(50));
    ~ShortBusyTimeout();
    ShortBusyTimeout(const ShortBusyTimeout&) = delete;
    ShortBusyTimeout& operator=(const ShortBusyTimeout&) = delete;

private:
    std::chrono::milliseconds saved_;
};

// Countries in record-set order, read with MoveFirst/MoveNext.
QStringList countries(data::Recordset& rs);

// A row as stored, read through a fresh connection: every field as text, in
// the order of the field table; empty when no row has that country.
QStringList storedRow(const QString& path, const QString& country);

// "ok" when the file passes SQLite's own check, keyed as the program keys it;
// otherwise the first complaint.
QString integrityCheck(const QString& path);

// Every row exactly as stored, whatever its types and bytes (NULs included):
// "rowid|type:hex|type:hex|type:hex".
QStringList dumpTable(const QString& path);

// A value as another tool may store it in an unconstrained table.
struct Null {};
struct Blob {
    QByteArray bytes;
};
using Value = std::variant<Null, QByteArray /* text, any bytes */, double, long long, Blob>;

// Creates an SQLCipher file with the program's key whose tblExchanges has no
// constraints, and fills it with rows of exactly these values (text bound with
// its byte count, so an embedded NUL is stored). Returns an SQLite code.
int writeForeignTable(const QString& path, const std::vector<std::array<Value, 3>>& rows);

// An SQLCipher file holding the program's table, keyed with another password.
int writeOtherKeyFile(const QString& path);

// While it lives, the calling thread writes only where the modes let it: when
// running as root (CI does), CAP_DAC_OVERRIDE is taken out of the thread's
// effective capabilities, since root writes through any mode. The capability
// stays permitted and comes back in the destructor. Only the calling thread is
// affected (capabilities are per thread on Linux), which is the one the store
// runs on.
class ModesApply {
public:
    ModesApply();
    ~ModesApply();
    ModesApply(const ModesApply&) = delete;
    ModesApply& operator=(const ModesApply&) = delete;

private:
    bool dropped_ = false;
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
};

// Makes a file unwritable for this thread while it lives: mode 0444, with the
// modes applying even to root (ModesApply). ok() tells whether a write really
// fails; why() says why not.
class UnwritableFile {
public:
    explicit UnwritableFile(const QString& path);
    ~UnwritableFile();
    UnwritableFile(const UnwritableFile&) = delete;
    UnwritableFile& operator=(const UnwritableFile&) = delete;

    bool ok() const { return ok_; }
    const QString& why() const { return why_; }

private:
    QByteArray path_;
    mode_t mode_ = 0644;
    bool chmodded_ = false;
    std::optional<ModesApply> modesApply_;
    bool ok_ = false;
    QString why_;
};

// Another writer in the middle of a transaction: holds the file's write
// (RESERVED) lock until released or destroyed. Readers still read; every other
// writer waits out its busy timeout and fails.
class WriteLock {
public:
    explicit WriteLock(const QString& path);
    ~WriteLock() { release(); }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    bool held() const { return held_; }
    void release();

private:
    sqlite3* db_ = nullptr;
    bool held_ = false;
};

class StoreTest : public ::testing::Test {
protected:
    QString path(const char* name = "Exchange.db") const { return dir.filePath(QString::fromLatin1(name)); }

    void createAndOpen(const std::vector<data::RateRow>& rows = TestSupport::sampleRates());
    void reopen();
    QStringList countries() { return StoreFixtures::countries(rs); }
    // Country, unit and rate as stored; Updated is read by the tests of dates.
    QStringList storedRow(const QString& country) { return StoreFixtures::storedRow(path(), country).mid(0, 3); }

    QTemporaryDir dir;
    data::Connection cn;
    data::Recordset rs;
};

} // namespace StoreFixtures
