#include "data/RecordStore.h"

#include "calculator/NumberText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace MOD_Data {

Connection cnRates;
Recordset rsRates;

namespace {

// The fixed database password. It is handed to sqlite3_key and nowhere else.
constexpr char kDatabasePassword[] = "qv517302";

// Waiting this long for another copy of the program to finish writing is
// better than telling the user the file is locked.
constexpr int kBusyTimeoutMs = 2000;

// A scan reads rows ahead in batches: every read is its own transaction, whose
// locking costs far more than reading a row. Small at first, since a lone
// MoveFirst or MoveNext wants one row.
constexpr int kFirstBatch = 16;
constexpr int kMaxBatch = 1024;

constexpr std::array<QStringView, 3> kFieldNames = {FieldCountry, FieldUnit, FieldRate};

QString& folderOverride()
{
    static QString folder;
    return folder;
}

[[noreturn]] void fail(long number, const QString& description)
{
    throw DbError(number, description);
}

QString quotedPath(const QString& path)
{
    return u'\'' + path + u'\'';
}

// Resets a statement when a step is done with it, so no read lock is kept
// between calls: another copy of the program must be able to write meanwhile.
class StepScope {
public:
    explicit StepScope(sqlite3_stmt* stmt) noexcept : stmt_(stmt) {}
    ~StepScope()
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;

private:
    sqlite3_stmt* stmt_;
};

void bindText(sqlite3_stmt* stmt, int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// Code points, as SQLite's length() counts them, not UTF-16 units.
qsizetype codePoints(const QString& text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

// A user's text inside a message, cut short if pasted text is very long.
QString shown(const QString& text)
{
    constexpr qsizetype kMax = 60;
    return text.size() <= kMax ? text : text.left(kMax) + u"..."_s;
}

QString duplicateMessage(const std::optional<QString>& country)
{
    if (country)
        return u"The country '%1' is already in the rates table; each country can appear only once."_s.arg(
            shown(*country));
    return u"The change would give two rows the same country; each country can appear only once."_s;
}

} // namespace

DbError::DbError(long number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

int keyDatabase(sqlite3* db) noexcept
{
    int rc = sqlite3_key(db, kDatabasePassword, static_cast<int>(sizeof kDatabasePassword - 1));
    if (rc != SQLITE_OK)
        return rc;
    // Keeps files of this format readable if a newer SQLCipher (4.x, other
    // defaults) is installed; older versions ignore the pragma.
    rc = sqlite3_exec(db, "PRAGMA cipher_compatibility = 3;", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    // Key stretching guards a password people choose; this one is fixed in the
    // program, so 64,000 rounds only cost every start-up about 30 ms. Files are
    // made and opened with the same count.
    return sqlite3_exec(db, "PRAGMA kdf_iter = 4000;", nullptr, nullptr, nullptr);
}

DbError sqliteFailure(sqlite3* db, int rc)
{
    const int primary = rc & 0xff;
    QString description;
    switch (primary) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        description = u"The database is locked by another program. Try again when it has finished."_s;
        break;
    case SQLITE_READONLY:
        description = u"The database is read-only: changes cannot be saved."_s;
        break;
    case SQLITE_FULL:
        description = u"The disk holding the database is full: changes cannot be saved."_s;
        break;
    case SQLITE_IOERR:
        description = u"The database file could not be read or written (disk error)."_s;
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        description = u"The database file is damaged."_s;
        break;
    case SQLITE_CANTOPEN:
        description = u"The database file could not be opened."_s;
        break;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        description = u"Access to the database was refused."_s;
        break;
    case SQLITE_NOMEM:
        description = u"There is not enough memory for the database operation."_s;
        break;
    case SQLITE_CONSTRAINT:
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
            description = duplicateMessage(std::nullopt);
        else
            description = u"The change breaks a rule of the rates table (%1)."_s.arg(
                QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
        break;
    default:
        // SQLite's own words; they never contain the key.
        description = u"The database reported an error: %1."_s.arg(
            QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
        break;
    }
    return DbError(Err::CannotOpen, description);
}

QString programFolder()
{
    const QString& folder = folderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setProgramFolder(const QString& folder)
{
    folderOverride() = folder;
}

QString databasePath()
{
    QString folder = programFolder();
    if (folder.isEmpty())
        return QString::fromLatin1(DatabaseFileName);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder + QLatin1StringView(DatabaseFileName);
}

// ---------------------------------------------------------------- Connection

Connection::~Connection()
{
    Close();
}

void Connection::Open(const QString& path)
{
    Close();

    // sqlite3_open_v2 would happily treat these as a new, empty database (or
    // block on a pipe); the program never creates the file, so refuse first.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        fail(Err::CannotOpen, u"Could not find file %1."_s.arg(quotedPath(path)));
    if (info.isDir())
        fail(Err::CannotOpen, u"%1 is a folder, not a rates database."_s.arg(quotedPath(path)));
    if (!info.isFile())
        fail(Err::CannotOpen, u"%1 is not a rates database."_s.arg(quotedPath(path)));
    if (info.size() == 0)
        fail(Err::CannotOpen, u"%1 is empty: it is not a rates database."_s.arg(quotedPath(path)));

    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    auto closeAndFail = [&](const QString& description) {
        sqlite3_close_v2(db);
        fail(Err::CannotOpen, description);
    };
    if (rc != SQLITE_OK)
        closeAndFail(u"Could not open %1: %2"_s.arg(quotedPath(path), sqliteFailure(db, rc).Description()));
    sqlite3_extended_result_codes(db, 1);
    if (keyDatabase(db) != SQLITE_OK)
        closeAndFail(u"Could not open %1: the encryption could not be set up."_s.arg(quotedPath(path)));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);

    // The key is only checked when a page is read; reading the schema proves
    // the file is an SQLCipher database with this key. Reading writes nothing.
    auto readInt = [db](const char* sql, std::int64_t& value) {
        sqlite3_stmt* stmt = nullptr;
        int code = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        if (code == SQLITE_OK) {
            code = sqlite3_step(stmt);
            if (code == SQLITE_ROW) {
                value = sqlite3_column_int64(stmt, 0);
                code = SQLITE_OK;
            }
        }
        sqlite3_finalize(stmt);
        return code;
    };
    std::int64_t tables = 0, pageSize = 0, pageCount = 0;
    rc = readInt("SELECT count(*) FROM sqlite_master", tables);
    if (rc == SQLITE_OK)
        rc = readInt("PRAGMA page_size", pageSize);
    if (rc == SQLITE_OK)
        rc = readInt("PRAGMA page_count", pageCount);
    const int primary = rc & 0xff;
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || primary == SQLITE_FORMAT
        // A file cut short (a broken copy or download) may still read at first.
        || (rc == SQLITE_OK && (pageSize <= 0 || info.size() % pageSize != 0 || info.size() < pageSize * pageCount)))
        closeAndFail(u"%1 is not a rates database, or it is damaged."_s.arg(quotedPath(path)));
    if (rc != SQLITE_OK)
        closeAndFail(u"Could not open %1: %2"_s.arg(quotedPath(path), sqliteFailure(db, rc).Description()));
    db_ = db;
}

void Connection::Close() noexcept
{
    // Copy: each Close() removes itself from the list.
    const std::vector<Recordset*> open = recordsets_;
    for (Recordset* rs : open)
        rs->Close();
    recordsets_.clear();
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

// ----------------------------------------------------------------- Recordset

void Recordset::StmtDeleter::operator()(sqlite3_stmt* stmt) const noexcept
{
    sqlite3_finalize(stmt);
}

Recordset::~Recordset()
{
    Close();
}

Recordset::Stmt Recordset::prepare(const char* sql) const
{
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(conn_->handle(), sql, -1, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        throw sqliteFailure(conn_->handle(), rc);
    }
    return Stmt(stmt);
}

void Recordset::Open(Connection& connection)
{
    Close();
    if (!connection.isOpen())
        fail(Err::ObjectClosed, u"Operation is not allowed when the object is closed."_s);
    sqlite3* db = connection.handle();

    // Check the table and its fields by name, as every caller addresses them.
    std::array<bool, 3> present = {false, false, false};
    bool tableFound = false;
    {
        sqlite3_stmt* info = nullptr;
        int rc = sqlite3_prepare_v2(db, "PRAGMA table_info(\"tblExchanges\")", -1, &info, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_finalize(info);
            throw sqliteFailure(db, rc);
        }
        while ((rc = sqlite3_step(info)) == SQLITE_ROW) {
            tableFound = true;
            const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(info, 1));
            const QString column = QString::fromUtf8(name, sqlite3_column_bytes(info, 1));
            for (std::size_t i = 0; i < kFieldNames.size(); ++i) {
                // SQLite column names ignore case, so "country" is the same column.
                if (column.compare(kFieldNames[i], Qt::CaseInsensitive) == 0)
                    present[i] = true;
            }
        }
        sqlite3_finalize(info);
        if (rc != SQLITE_DONE)
            throw sqliteFailure(db, rc);
    }
    if (!tableFound)
        fail(Err::NoTable, u"Cannot find the table 'tblExchanges' in the database."_s);
    for (std::size_t i = 0; i < kFieldNames.size(); ++i) {
        if (!present[i])
            fail(Err::BadField,
                 u"The table 'tblExchanges' has no field named '%1'."_s.arg(kFieldNames[i]));
    }

    conn_ = &connection;
    try {
        connection.recordsets_.push_back(this);
#define TV_COLUMNS "SELECT rowid, \"Country\", \"Monetery Unit\", \"Exchange Rate\" FROM \"tblExchanges\" "
        stFirst_ = prepare(TV_COLUMNS "ORDER BY rowid LIMIT ?2");
        stNext_ = prepare(TV_COLUMNS "WHERE rowid > ?1 ORDER BY rowid LIMIT ?2");
        stFind_ = prepare(TV_COLUMNS "WHERE \"Country\" = ?1 ORDER BY rowid LIMIT 1");
        stById_ = prepare(TV_COLUMNS "WHERE rowid = ?1");
#undef TV_COLUMNS
        stAny_ = prepare("SELECT 1 FROM \"tblExchanges\" LIMIT 1");
    } catch (const DbError& e) {
        Close();
        // A view or a table without row ids has the name but cannot be used.
        fail(Err::NoTable, u"The table 'tblExchanges' cannot be used: %1"_s.arg(e.Description()));
    } catch (...) {
        Close();
        throw;
    }

    try {
        position_ = advance(true) ? Position::OnRow : Position::BeforeFirst;
    } catch (...) {
        Close();
        throw;
    }
}

void Recordset::Close() noexcept
{
    stFirst_.reset();
    stNext_.reset();
    stFind_.reset();
    stById_.reset();
    stAny_.reset();
    dropAhead();
    if (conn_) {
        auto& list = conn_->recordsets_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        conn_ = nullptr;
    }
    editing_ = Editing::None;
    pending_ = {};
    position_ = Position::BeforeFirst;
    current_ = Row{};
    savedRow_ = Row{};
    savedPosition_ = Position::BeforeFirst;
}

void Recordset::requireOpen() const
{
    if (!conn_ || !conn_->isOpen())
        fail(Err::ObjectClosed, u"Operation is not allowed when the object is closed."_s);
}

void Recordset::requireRow() const
{
    requireOpen();
    if (editing_ == Editing::AddNew || position_ == Position::OnRow)
        return;
    fail(Err::NoCurrentRow,
         u"Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record."_s);
}

bool Recordset::tableEmpty() const
{
    sqlite3_stmt* stmt = stAny_.get();
    const StepScope scope(stmt);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        return false;
    if (rc == SQLITE_DONE)
        return true;
    throw sqliteFailure(conn_->handle(), rc);
}

Recordset::Row Recordset::readRow(sqlite3_stmt* stmt)
{
    Row row;
    row.rowid = sqlite3_column_int64(stmt, 0);
    for (int i = 0; i < 3; ++i) {
        Cell& cell = row.cells[static_cast<std::size_t>(i)];
        const int column = i + 1;
        cell.type = sqlite3_column_type(stmt, column);
        switch (cell.type) {
        case SQLITE_INTEGER:
            cell.integer = sqlite3_column_int64(stmt, column);
            break;
        case SQLITE_FLOAT:
            cell.real = sqlite3_column_double(stmt, column);
            break;
        case SQLITE_TEXT: {
            // Byte count, not strlen: text with an embedded NUL stays whole.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            cell.text = QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
            break;
        }
        case SQLITE_BLOB: {
            // Another tool may have stored bytes; show them as text rather than fail.
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, column));
            cell.text = QString::fromUtf8(bytes, sqlite3_column_bytes(stmt, column));
            cell.type = SQLITE_TEXT;
            break;
        }
        default:
            cell.type = SQLITE_NULL;
            break;
        }
    }
    return row;
}

bool Recordset::fetch(sqlite3_stmt* stmt)
{
    const StepScope scope(stmt);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE)
        return false;
    if (rc != SQLITE_ROW)
        throw sqliteFailure(conn_->handle(), rc);
    current_ = readRow(stmt);
    return true;
}

bool Recordset::advance(bool fromStart)
{
    if (fromStart)
        dropAhead();
    else if (aheadNext_ < ahead_.size()) {
        current_ = std::move(ahead_[aheadNext_++]);
        return true;
    }

    sqlite3_stmt* stmt = fromStart ? stFirst_.get() : stNext_.get();
    if (!fromStart)
        sqlite3_bind_int64(stmt, 1, current_.rowid);
    sqlite3_bind_int(stmt, 2, aheadBatch_);
    std::vector<Row> rows;
    {
        const StepScope scope(stmt);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            rows.push_back(readRow(stmt));
        if (rc != SQLITE_DONE)
            throw sqliteFailure(conn_->handle(), rc);
    }
    aheadBatch_ = std::min(aheadBatch_ * 4, kMaxBatch);
    ahead_ = std::move(rows);
    aheadNext_ = 0;
    if (ahead_.empty())
        return false;
    current_ = std::move(ahead_[aheadNext_++]);
    return true;
}

void Recordset::dropAhead() noexcept
{
    ahead_.clear();
    aheadNext_ = 0;
    aheadBatch_ = kFirstBatch;
}

bool Recordset::isBOF() const
{
    requireOpen();
    if (editing_ == Editing::AddNew)
        return false;
    switch (position_) {
    case Position::OnRow:
        return false;
    case Position::BeforeFirst:
        return true;
    case Position::AfterLast:
    case Position::Deleted:
        break;
    }
    return tableEmpty();
}

bool Recordset::isEOF() const
{
    requireOpen();
    if (editing_ == Editing::AddNew)
        return false;
    switch (position_) {
    case Position::OnRow:
        return false;
    case Position::AfterLast:
        return true;
    case Position::BeforeFirst:
    case Position::Deleted:
        break;
    }
    return tableEmpty();
}

void Recordset::commitIfPending()
{
    if (editing_ != Editing::None)
        Update();
}

void Recordset::MoveFirst()
{
    requireOpen();
    commitIfPending();
    if (advance(true)) {
        position_ = Position::OnRow;
        return;
    }
    position_ = Position::BeforeFirst;
    requireRow();  // no rows: the error users of the old engine knew
}

void Recordset::MoveNext()
{
    requireOpen();
    commitIfPending();
    if (position_ == Position::AfterLast)
        requireRow();
    const bool found = advance(position_ == Position::BeforeFirst);
    position_ = found ? Position::OnRow : Position::AfterLast;
}

void Recordset::FindCountry(const QString& name)
{
    requireOpen();
    commitIfPending();
    dropAhead();
    bindText(stFind_.get(), 1, name);
    position_ = fetch(stFind_.get()) ? Position::OnRow : Position::AfterLast;
}

int Recordset::fieldIndex(QStringView name)
{
    for (std::size_t i = 0; i < kFieldNames.size(); ++i) {
        if (name.compare(kFieldNames[i], Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    fail(Err::NotFound, u"Item cannot be found in the collection corresponding to the requested name or ordinal."_s);
}

QString Recordset::cellText(const Cell& cell)
{
    switch (cell.type) {
    case SQLITE_TEXT:
        return cell.text;
    case SQLITE_FLOAT:
        return MOD_Universe::numberText(cell.real);
    case SQLITE_INTEGER:
        return QString::number(cell.integer);
    default:
        fail(Err::InvalidUseOfNull, u"Invalid use of Null"_s);
    }
}

QString Recordset::Field(QStringView name) const
{
    requireOpen();
    const auto index = static_cast<std::size_t>(fieldIndex(name));
    requireRow();
    if (pending_[index])
        return cellText(*pending_[index]);
    if (editing_ == Editing::AddNew)
        return cellText(Cell{});  // an unassigned field of a new row is Null
    return cellText(current_.cells[index]);
}

void Recordset::SetField(QStringView name, const QString& text)
{
    requireOpen();
    try {
        const auto index = static_cast<std::size_t>(fieldIndex(name));
        requireRow();
        Cell cell;
        if (index == 2) {
            const MOD_Universe::ParsedNumber number = MOD_Universe::readNumber(text);
            if (number.status == MOD_Universe::NumberStatus::Overflow)
                fail(Err::MultipleStep, u"'%1' is too large for 'Exchange Rate'."_s.arg(shown(text)));
            if (!number.ok() || !std::isfinite(number.value))
                fail(Err::MultipleStep, u"'%1' is not a valid value for 'Exchange Rate'."_s.arg(shown(text)));
            if (!(number.value > 0.0))
                fail(Err::MultipleStep,
                     u"'%1' is not a valid value for 'Exchange Rate': a rate must be greater than 0."_s.arg(
                         shown(text)));
            cell.type = SQLITE_FLOAT;
            cell.real = number.value;
        } else {
            const QStringView field = kFieldNames[index];
            const int limit = index == 0 ? CountryMaxLength : UnitMaxLength;
            if (index == 0 && text.isEmpty())
                fail(Err::MultipleStep, u"The 'Country' field cannot be empty."_s);
            if (text.contains(QChar(u'\0')))
                fail(Err::MultipleStep, u"The text for '%1' contains a null character, which cannot be stored."_s.arg(field));
            if (codePoints(text) > limit)
                fail(Err::MultipleStep, u"The text for '%1' is longer than %2 characters."_s.arg(field).arg(limit));
            cell.type = SQLITE_TEXT;
            cell.text = text;
        }
        if (editing_ == Editing::None)
            editing_ = Editing::Edit;
        pending_[index] = std::move(cell);
    } catch (const DbError&) {
        // Nothing half-assigned may be committed by a later move.
        discardPending();
        throw;
    }
}

void Recordset::AddNew()
{
    requireOpen();
    commitIfPending();
    savedPosition_ = position_;
    savedRow_ = current_;
    pending_ = {};
    editing_ = Editing::AddNew;
}

void Recordset::discardPending() noexcept
{
    if (editing_ == Editing::AddNew) {
        position_ = savedPosition_;
        current_ = std::move(savedRow_);
        savedRow_ = Row{};
    }
    editing_ = Editing::None;
    pending_ = {};
}

void Recordset::CancelUpdate()
{
    requireOpen();
    discardPending();
}

void Recordset::Update()
{
    requireOpen();
    if (editing_ == Editing::None)
        return;
    sqlite3* db = conn_->handle();
    dropAhead();  // rows read ahead may no longer be what the file holds
    const std::optional<QString> country =
        pending_[0] ? std::optional<QString>(pending_[0]->text) : std::nullopt;

    try {
        if (editing_ == Editing::AddNew) {
            if (!pending_[0])
                fail(Err::CannotOpen, u"The new row has no value for 'Country'."_s);
            if (!pending_[2])
                fail(Err::CannotOpen, u"The new row has no value for 'Exchange Rate'."_s);
        }

        // Only the assigned fields; the names come from this file, never from callers.
        QByteArray sql;
        if (editing_ == Editing::AddNew) {
            QByteArray columns, values;
            for (std::size_t i = 0; i < 3; ++i) {
                if (!pending_[i])
                    continue;
                if (!columns.isEmpty()) {
                    columns += ", ";
                    values += ", ";
                }
                columns += '"' + kFieldNames[i].toUtf8() + '"';
                values += '?' + QByteArray::number(static_cast<int>(i) + 1);
            }
            sql = "INSERT INTO \"tblExchanges\" (" + columns + ") VALUES (" + values + ")";
        } else {
            QByteArray sets;
            for (std::size_t i = 0; i < 3; ++i) {
                if (!pending_[i])
                    continue;
                if (!sets.isEmpty())
                    sets += ", ";
                sets += '"' + kFieldNames[i].toUtf8() + "\" = ?" + QByteArray::number(static_cast<int>(i) + 1);
            }
            sql = "UPDATE \"tblExchanges\" SET " + sets + " WHERE rowid = ?4";
        }

        Stmt stmt = prepare(sql.constData());
        for (std::size_t i = 0; i < 3; ++i) {
            if (!pending_[i])
                continue;
            const int index = static_cast<int>(i) + 1;
            if (pending_[i]->type == SQLITE_FLOAT)
                sqlite3_bind_double(stmt.get(), index, pending_[i]->real);
            else
                bindText(stmt.get(), index, pending_[i]->text);
        }
        if (editing_ == Editing::Edit)
            sqlite3_bind_int64(stmt.get(), 4, current_.rowid);

        const int rc = sqlite3_step(stmt.get());
        if (rc != SQLITE_DONE) {
            if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
                fail(Err::CannotOpen, duplicateMessage(country));
            throw sqliteFailure(db, rc);
        }
        if (editing_ == Editing::Edit && sqlite3_changes(db) == 0)
            fail(Err::CannotOpen,
                 u"The row could not be found for updating; another program may have deleted it."_s);
    } catch (const DbError&) {
        discardPending();
        throw;
    }

    // Stored: show the row as the file now holds it (its affinity may have
    // turned a value into another type).
    const std::int64_t rowid = editing_ == Editing::AddNew ? sqlite3_last_insert_rowid(db) : current_.rowid;
    Row written;
    written.rowid = rowid;
    for (std::size_t i = 0; i < 3; ++i) {
        if (pending_[i])
            written.cells[i] = *pending_[i];
        else if (editing_ == Editing::Edit)
            written.cells[i] = current_.cells[i];
    }
    editing_ = Editing::None;
    pending_ = {};
    savedRow_ = Row{};
    position_ = Position::OnRow;
    current_ = std::move(written);
    try {
        sqlite3_bind_int64(stById_.get(), 1, rowid);
        fetch(stById_.get());
    } catch (const DbError&) {
        // The write is done; the values just written stand in for the re-read.
    }
}

void Recordset::Delete()
{
    requireOpen();
    if (editing_ == Editing::AddNew) {
        // The new row was never stored: deleting it means dropping it.
        discardPending();
        return;
    }
    requireRow();
    discardPending();
    dropAhead();
    sqlite3* db = conn_->handle();
    Stmt stmt = prepare("DELETE FROM \"tblExchanges\" WHERE rowid = ?1");
    sqlite3_bind_int64(stmt.get(), 1, current_.rowid);
    const int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_DONE)
        throw sqliteFailure(db, rc);
    // The row id stays so MoveNext goes on to the row after it.
    position_ = Position::Deleted;
}

} // namespace MOD_Data
