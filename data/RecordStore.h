#pragma once

// The rates store: one connection to the encrypted Exchange.db and one record set
// over its table tblExchanges, with a single current row shared by every window.
//
// The record set behaves like the cursor users of the old engine knew: rows come
// in insertion order; BOF/EOF flags; pending field changes of the current (or new)
// row are held until Update(), and committed implicitly when the cursor leaves the
// row. Unlike that engine, a failed assignment or Update() leaves the stored row as
// it was and discards every pending change, so no later move can commit half of
// them. Every value is a bound parameter, so a name with a quote is just a name.
//
// Failures are DbError exceptions carrying the engine's number and a description.
// No message here ever contains the database password.

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace MOD_Data {

// Error numbers users of the old engine knew.
namespace Err {
inline constexpr long CannotOpen = -2147467259;        // E_FAIL: file missing, not a database, wrong key, I/O, locked
inline constexpr long NoTable = -2147217865;           // tblExchanges not in the file
inline constexpr long BadField = -2147217904;          // a field of tblExchanges is missing
inline constexpr long MultipleStep = -2147217887;      // a value cannot be stored in its field
inline constexpr long NoCurrentRow = 3021;
inline constexpr long NotFound = 3265;                 // no field of that name
inline constexpr long ObjectClosed = 3704;
inline constexpr long InvalidUseOfNull = 94;
} // namespace Err

class DbError : public std::runtime_error {
public:
    DbError(long number, const QString& description);
    long Number() const noexcept { return number_; }
    const QString& Description() const noexcept { return description_; }

private:
    long number_;
    QString description_;
};

// Field names, exactly as stored (the unit's spelling included).
inline constexpr QStringView FieldCountry = u"Country";
inline constexpr QStringView FieldUnit = u"Monetery Unit";
inline constexpr QStringView FieldRate = u"Exchange Rate";

inline constexpr int CountryMaxLength = 50;
inline constexpr int UnitMaxLength = 25;

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
    // an empty file, a file that is not an SQLCipher database or has another key.
    // The file is not written by opening it.
    void Open(const QString& path);
    void Close() noexcept;
    bool isOpen() const noexcept { return db_ != nullptr; }
    sqlite3* handle() const noexcept { return db_; }

private:
    friend class Recordset;
    sqlite3* db_ = nullptr;
    // Record sets opened over this connection; Close() closes them first so none
    // keeps using a closed handle.
    std::vector<Recordset*> recordsets_;
};

class Recordset {
public:
    Recordset() = default;
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
    // Err::InvalidUseOfNull for a NULL value. A pending assignment is returned as
    // the value that Update() would store.
    QString Field(QStringView name) const;
    // Assigns a field of the current or new row from text; held until Update().
    // Validation failures (text too long, empty Country, a rate that is not a
    // finite number above 0) throw Err::MultipleStep and discard all pending changes.
    void SetField(QStringView name, const QString& text);

    void AddNew();        // a new, empty row becomes current; pending changes of the old row are committed first
    void Update();        // commits pending changes; on failure nothing changes and they are discarded
    void CancelUpdate();  // discards pending changes; after AddNew the previous row is current again
    void Delete();        // deletes the current row at once; it then has no current row until a move

    bool hasPendingChanges() const noexcept { return editing_ != Editing::None; }

private:
    enum class Position { BeforeFirst, OnRow, AfterLast, Deleted };
    enum class Editing { None, Edit, AddNew };

    // One value as the file holds it; turned into text only when read, so a
    // scan that reads only Country pays for nothing else.
    struct Cell {
        int type = 5;  // SQLITE_NULL
        QString text;
        double real = 0.0;
        std::int64_t integer = 0;
    };
    struct Row {
        std::int64_t rowid = 0;
        std::array<Cell, 3> cells;  // Country, Monetery Unit, Exchange Rate
    };
    struct StmtDeleter {
        void operator()(sqlite3_stmt* stmt) const noexcept;
    };
    using Stmt = std::unique_ptr<sqlite3_stmt, StmtDeleter>;

    void requireOpen() const;
    void requireRow() const;
    bool tableEmpty() const;
    void commitIfPending();
    void discardPending() noexcept;
    static Row readRow(sqlite3_stmt* stmt);
    // Steps a one-row query: true and the row current, false when it returned none.
    bool fetch(sqlite3_stmt* stmt);
    // The first row (fromStart) or the one after the current, from the rows read
    // ahead or a new batch; false when there is none.
    bool advance(bool fromStart);
    void dropAhead() noexcept;
    Stmt prepare(const char* sql) const;
    static int fieldIndex(QStringView name);
    static QString cellText(const Cell& cell);

    Connection* conn_ = nullptr;
    Position position_ = Position::BeforeFirst;
    Editing editing_ = Editing::None;
    Row current_;
    std::array<std::optional<Cell>, 3> pending_;
    Position savedPosition_ = Position::BeforeFirst;  // restored by CancelUpdate after AddNew
    Row savedRow_;
    // Rows after current_, read in one transaction by the last scan step; dropped
    // by every write and every other move, so they are never older than the scan.
    std::vector<Row> ahead_;
    std::size_t aheadNext_ = 0;
    int aheadBatch_ = 16;
    // Prepared once per Open and reused; finalised in Close().
    Stmt stFirst_;
    Stmt stNext_;
    Stmt stFind_;
    Stmt stById_;
    Stmt stAny_;
};

// The one connection and record set of the program.
extern Connection cnRates;
extern Recordset rsRates;

// Folder holding Exchange.db: the program's folder unless a test points it
// elsewhere; nothing a user can reach changes it.
QString programFolder();
void setProgramFolder(const QString& folder);
QString databasePath();  // programFolder() + "/Exchange.db"

// Shared by the store and createRatesFile (and by tests that build odd files);
// windows never need them.
// Keys a freshly opened handle with the database password. Returns an SQLite code.
int keyDatabase(sqlite3* db) noexcept;
// A DbError(Err::CannotOpen) describing the failed SQLite call rc on db in plain
// words (locked, read-only, disk full, damaged file, ...).
DbError sqliteFailure(sqlite3* db, int rc);

} // namespace MOD_Data
