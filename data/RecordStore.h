#pragma once

// The rates store: one connection to the encrypted Exchange.db and one record set
// over its table tblExchanges, with a single current row. Windows never move
// it: they ask data::Rates (Rates.h), which finds its row for every call.
//
// The record set behaves like the cursor users of the old engine knew: rows come
// in insertion order; BOF/EOF flags; pending field changes of the current (or new)
// row are held until Update(), and committed implicitly when the cursor leaves the
// row. Unlike that engine, a failed assignment or Update() leaves the stored row as
// it was and discards every pending change, so no later move can commit half of
// them. Every value is a bound parameter, so a name with a quote is just a name.
//
// Failures are DbError exceptions carrying an error value and a description; a
// write that fails, for whatever reason but a value its field cannot hold
// (Err::MultipleStep), reports Err::WriteFailed.
//
// Where things are: the fields are described once in Fields.h; the layout SQL
// and its upgrade in Layout.*; value checks in Validation.*; the owners of
// SQLCipher's handles (statements, Transaction) in SqliteOwners.*; the
// connection in Connection.cpp, the cursor in Recordset.cpp and its writes in
// RecordsetWrite.cpp; whole-table reads and many-row writes in RateWrites.*;
// the till's settings kept beside the rates in TillSettings.*; what the
// windows ask for, and the signal of every change, in Rates.*;
// making a new file in NewDatabase.*; DbError and the error values in DbError.h.

#include "data/DbError.h"
#include "data/Fields.h"

#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace data {

// Owners of SQLCipher's handles; the rest of them is internal to data/.
namespace Sql {
struct CloseDb {
    void operator()(sqlite3* db) const noexcept;
};
using DbHandle = std::unique_ptr<sqlite3, CloseDb>;

enum class CellType { Null, Integer, Real, Text };

// One value as the file holds it; turned into text only when read, so a
// scan that reads only Country pays for nothing else.
struct Cell {
    CellType type = CellType::Null;
    QString text;
    double real = 0.0;
    std::int64_t integer = 0;
};

struct Row {
    std::int64_t rowid = 0;
    std::array<Cell, Fields.size()> cells;  // in the order of Fields
};
} // namespace Sql

inline constexpr const char* DatabaseFileName = "Exchange.db";

class Recordset;

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing SQLCipher file keyed with the database password; never
    // creates one. Throws DbError(Err::CannotOpen) for a missing file, a folder,
    // an empty file, a file that is not an SQLCipher database or has another key,
    // and for a file whose layout is newer than this program knows. The file is
    // not written by opening it: an older layout is brought up to date by the
    // first write (see Recordset::Update).
    void Open(const QString& path);
    void Close() noexcept;
    bool isOpen() const noexcept { return db_ != nullptr; }
    sqlite3* handle() const noexcept { return db_.get(); }

    // Record sets over this connection forget the rows they read ahead and
    // re-read their current row; for writes made past them (applyRateWrites).
    void resyncRecordsets() noexcept;

private:
    friend class Recordset;
    Sql::DbHandle db_;
    // Record sets opened over this connection; Close() closes them first so none
    // keeps using a closed handle.
    std::vector<Recordset*> recordsets_;
};

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens the record set over tblExchanges. Throws Err::ObjectClosed when the
    // connection is not open, Err::NoTable / Err::BadField for a file without the
    // table or one of its fields. On success the first row is current (or BOF and
    // EOF are both true for an empty table).
    void Open(Connection& connection);
    void Close() noexcept;  // pending changes are discarded
    bool isOpen() const noexcept { return conn_ != nullptr; }

    // BOF/EOF (EOF is a C macro, hence the names). Both true when the table is empty.
    bool isBOF() const;
    bool isEOF() const;

    void MoveFirst();  // Err::NoCurrentRow on an empty table
    void MoveNext();   // Err::NoCurrentRow when already at EOF
    // Find by country: first row whose Country equals name exactly (case and blanks
    // count). Not found, or an empty table, leaves EOF true; never throws for that.
    void FindCountry(const QString& name);

    // Reads a field of the current row as text (a rate in its shortest form).
    // Err::NoCurrentRow without a current row, Err::NotFound for an unknown name,
    // Err::InvalidUseOfNull for a NULL value (Updated reads "" instead: the date
    // is optional). A pending assignment is returned as the value that Update()
    // would store.
    QString Field(QStringView name) const;
    // Assigns a field of the current or new row from text; held until Update().
    // Validation failures (text too long, empty Country, a rate that is not a
    // finite number above 0, a date that is neither YYYY-MM-DD nor "") throw
    // Err::MultipleStep and discard all pending changes.
    void SetField(QStringView name, const QString& text);

    void AddNew();        // a new, empty row becomes current; pending changes of the old row are committed first
    void Update();        // commits pending changes; on failure nothing changes and they are discarded
    void CancelUpdate();  // discards pending changes; after AddNew the previous row is current again
    void Delete();        // deletes the current row at once; it then has no current row until a move

    bool hasPendingChanges() const noexcept { return editing_ != Editing::None; }

private:
    friend class Connection;
    enum class Position { BeforeFirst, OnRow, AfterLast, Deleted };
    enum class Editing { None, Edit, AddNew };
    struct Queries;  // the prepared statements, internal to data/

    void requireOpen() const;
    void requireRow() const;
    bool tableEmpty() const;
    bool atEnd(Position end) const;
    void commitIfPending();
    void discardPending() noexcept;
    // Prepares the queries for the columns the file has; the others read NULL.
    void prepareQueries(const std::array<bool, Fields.size()>& present);
    // Prepares them again when the file has gained fields (an upgrade, here or
    // by another copy of the program).
    void refreshLayout();
    // Steps a one-row query: true and the row current, false when it returned none.
    bool fetchById(std::int64_t rowid);
    // The first row (fromStart) or the one after the current, from the rows read
    // ahead or a new batch; false when there is none.
    bool advance(bool fromStart);
    void dropAhead() noexcept;
    void resync() noexcept;
    // Writes the pending changes in the open transaction; returns the row id.
    std::int64_t writePending(sqlite3* db);

    Connection* conn_ = nullptr;
    std::unique_ptr<Queries> queries_;
    Position position_ = Position::BeforeFirst;
    Editing editing_ = Editing::None;
    Sql::Row current_;
    std::array<std::optional<Sql::Cell>, Fields.size()> pending_;
    Position savedPosition_ = Position::BeforeFirst;  // restored by CancelUpdate after AddNew
    Sql::Row savedRow_;
    // Rows after current_, read in one transaction by the last scan step; dropped
    // by every write and every other move, so they are never older than the scan.
    std::vector<Sql::Row> ahead_;
    std::size_t aheadNext_ = 0;
    int aheadBatch_ = 16;
};

// How long a write waits for another copy of the program to finish writing
// before it reports the file as locked; taken by every later Open. Tests
// shorten it.
void setBusyTimeout(std::chrono::milliseconds timeout);
std::chrono::milliseconds busyTimeout();

// The one connection and record set of the program: start-up opens them and
// shut-down closes them; everything else goes through data::Rates.
extern Connection cnRates;
extern Recordset rsRates;

// Folder holding Exchange.db: the program's folder unless a test points it
// elsewhere; nothing a user can reach changes it.
QString programFolder();
void setProgramFolder(const QString& folder);
QString databasePath();  // programFolder() + "/Exchange.db"

// Shared by the store and createRatesDatabase (and by tests that build odd files);
// windows never need them.
// Keys a freshly opened handle with the database password. Returns an SQLite code.
int keyDatabase(sqlite3* db) noexcept;
// A DbError(Err::CannotOpen) describing the failed SQLite call rc on db in plain
// words (locked, read-only, disk full, damaged file, ...); a write reports it as
// Err::WriteFailed.
DbError sqliteFailure(sqlite3* db, int rc);

} // namespace data
