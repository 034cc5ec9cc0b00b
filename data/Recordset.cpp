#include "data/RecordStore.h"

#include "data/Layout.h"
#include "data/NumberText.h"
#include "data/SqliteOwners.h"
#include "data/Validation.h"

#include <algorithm>

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace data {

namespace {

// A scan reads rows ahead in batches: every read is its own transaction, whose
// locking costs far more than reading a row. Small at first, since a lone
// MoveFirst or MoveNext wants one row.
constexpr int kFirstBatch = 16;
constexpr int kMaxBatch = 1024;

// Columns of every row query: rowid, then one per field in the order of Fields.
Sql::Row readRow(const Sql::Statement& stmt)
{
    Sql::Row row;
    row.rowid = stmt.columnInt(0);
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        Sql::Cell& cell = row.cells[i];
        const int column = static_cast<int>(i) + 1;
        switch (stmt.columnType(column)) {
        case SQLITE_INTEGER:
            cell.type = Sql::CellType::Integer;
            cell.integer = stmt.columnInt(column);
            break;
        case SQLITE_FLOAT:
            cell.type = Sql::CellType::Real;
            cell.real = stmt.columnDouble(column);
            break;
        case SQLITE_TEXT:
        case SQLITE_BLOB:
            // Another tool may have stored bytes; show them as text rather than fail.
            cell.type = Sql::CellType::Text;
            cell.text = stmt.columnText(column);
            break;
        default:
            cell.type = Sql::CellType::Null;
            break;
        }
    }
    return row;
}

QString cellText(const FieldDef& field, const Sql::Cell& cell)
{
    switch (cell.type) {
    case Sql::CellType::Text:
        return cell.text;
    case Sql::CellType::Real:
        return data::numberText(cell.real);
    case Sql::CellType::Integer:
        return QString::number(cell.integer);
    case Sql::CellType::Null:
        break;
    }
    if (field.nullReadsEmpty)
        return QString();
    fail(Err::InvalidUseOfNull, QCoreApplication::translate("Store", "Invalid use of Null"));
}

} // namespace

// Prepared once per Open (again when the file's layout changes) and reused.
struct Recordset::Queries {
    Layout::Present present{};
    Sql::Statement first;  // ?2 rows from the start
    Sql::Statement next;   // ?2 rows after row id ?1
    Sql::Statement find;   // the first row whose Country is ?1
    Sql::Statement byId;
    Sql::Statement any;    // a row, if there is one
};

Recordset::Recordset() = default;

Recordset::~Recordset()
{
    Close();
}

void Recordset::prepareQueries(const Layout::Present& present)
{
    sqlite3* db = conn_->handle();
    auto queries = std::make_unique<Queries>();
    queries->present = present;
    const QByteArray select = "SELECT " + Layout::selectList(present) + " FROM " + Sql::quoted(TableName) + ' ';
    queries->first = Sql::Statement(db, select + "ORDER BY rowid LIMIT ?2");
    queries->next = Sql::Statement(db, select + "WHERE rowid > ?1 ORDER BY rowid LIMIT ?2");
    queries->find = Sql::Statement(db, select + "WHERE " + Sql::quoted(FieldCountry) + " = ?1 ORDER BY rowid LIMIT 1");
    queries->byId = Sql::Statement(db, select + "WHERE rowid = ?1");
    queries->any = Sql::Statement(db, "SELECT 1 FROM " + Sql::quoted(TableName) + " LIMIT 1");
    queries_ = std::move(queries);
}

void Recordset::refreshLayout()
{
    // Fields are only ever added, so once the queries read them all there is
    // nothing to look for.
    const Layout::Present& known = queries_->present;
    if (std::all_of(known.begin(), known.end(), [](bool present) { return present; }))
        return;
    bool tableFound = false;
    const Layout::Present present = Layout::presentColumns(conn_->handle(), tableFound);
    if (tableFound && present != known)
        prepareQueries(present);
}

void Recordset::Open(Connection& connection)
{
    Close();
    if (!connection.isOpen())
        failClosed();
    sqlite3* db = connection.handle();

    // Check the table and its fields by name, as every caller addresses them.
    // A field that a later layout brings may be missing: it reads NULL until
    // the first write adds it.
    const Layout::Present present = Layout::requireColumns(db, Layout::version(db));

    conn_ = &connection;
    try {
        connection.recordsets_.push_back(this);
        prepareQueries(present);
    } catch (const DbError& e) {
        Close();
        // A view or a table without row ids has the name but cannot be used.
        fail(Err::NoTable,
             QCoreApplication::translate("Store", "The table 'tblExchanges' cannot be used: %1").arg(e.Description()));
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
    queries_.reset();
    dropAhead();
    if (conn_) {
        auto& list = conn_->recordsets_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        conn_ = nullptr;
    }
    editing_ = Editing::None;
    pending_ = {};
    position_ = Position::BeforeFirst;
    current_ = Sql::Row{};
    savedRow_ = Sql::Row{};
    savedPosition_ = Position::BeforeFirst;
}

void Recordset::requireOpen() const
{
    if (!conn_ || !conn_->isOpen())
        failClosed();
}

void Recordset::requireRow() const
{
    requireOpen();
    if (editing_ == Editing::AddNew || position_ == Position::OnRow)
        return;
    fail(Err::NoCurrentRow,
         QCoreApplication::translate("Store",
                                     "Either BOF or EOF is True, or the current record has been deleted. Requested "
                                     "operation requires a current record."));
}

bool Recordset::tableEmpty() const
{
    Sql::Statement& stmt = queries_->any;
    const Sql::Rewind rewind(stmt);
    return !stmt.step();
}

bool Recordset::fetchById(std::int64_t rowid)
{
    Sql::Statement& stmt = queries_->byId;
    const Sql::Rewind rewind(stmt);
    stmt.bindInt(1, rowid);
    if (!stmt.step())
        return false;
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

    Sql::Statement& stmt = fromStart ? queries_->first : queries_->next;
    std::vector<Sql::Row> rows;
    {
        const Sql::Rewind rewind(stmt);
        if (!fromStart)
            stmt.bindInt(1, current_.rowid);
        stmt.bindInt(2, aheadBatch_);
        while (stmt.step())
            rows.push_back(readRow(stmt));
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

void Recordset::resync() noexcept
{
    dropAhead();
    try {
        refreshLayout();
        if (position_ == Position::OnRow && !fetchById(current_.rowid))
            position_ = Position::Deleted;
        if (editing_ == Editing::AddNew && savedPosition_ == Position::OnRow) {
            std::swap(current_, savedRow_);
            if (!fetchById(current_.rowid))
                savedPosition_ = Position::Deleted;
            std::swap(current_, savedRow_);
        }
    } catch (const DbError&) {
        // What cannot be re-read is not shown: no current row until a move.
        if (position_ == Position::OnRow)
            position_ = Position::Deleted;
    }
}

// Both flags: no current row at this end, or none at all in an empty table.
bool Recordset::atEnd(Position end) const
{
    requireOpen();
    if (editing_ == Editing::AddNew || position_ == Position::OnRow)
        return false;
    return position_ == end || tableEmpty();
}

bool Recordset::isBOF() const
{
    return atEnd(Position::BeforeFirst);
}

bool Recordset::isEOF() const
{
    return atEnd(Position::AfterLast);
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
    Sql::Statement& stmt = queries_->find;
    const Sql::Rewind rewind(stmt);
    stmt.bind(1, name);
    const bool found = stmt.step();
    if (found)
        current_ = readRow(stmt);
    position_ = found ? Position::OnRow : Position::AfterLast;
}

QString Recordset::Field(QStringView name) const
{
    requireOpen();
    const std::size_t index = requireField(name);
    requireRow();
    if (pending_[index])
        return cellText(Fields[index], *pending_[index]);
    if (editing_ == Editing::AddNew)
        return cellText(Fields[index], Sql::Cell{});  // an unassigned field of a new row is Null
    return cellText(Fields[index], current_.cells[index]);
}

} // namespace data
