#include "data/RecordStore.h"

#include "data/Layout.h"
#include "data/SqliteOwners.h"
#include "data/Validation.h"
#include "data/Wording.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace data {

namespace {

void bindCell(Sql::Statement& stmt, int index, const Sql::Cell& cell)
{
    switch (cell.type) {
    case Sql::CellType::Real:
        stmt.bind(index, cell.real);
        break;
    case Sql::CellType::Text:
        stmt.bind(index, cell.text);
        break;
    case Sql::CellType::Integer:
        stmt.bindInt(index, cell.integer);
        break;
    case Sql::CellType::Null:
        stmt.bindNull(index);
        break;
    }
}

} // namespace

void Recordset::SetField(QStringView name, const QString& text)
{
    requireOpen();
    try {
        const std::size_t index = requireField(name);
        requireRow();
        Sql::Cell cell = checkedValue(Fields[index], text);
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
        savedRow_ = Sql::Row{};
    }
    editing_ = Editing::None;
    pending_ = {};
}

void Recordset::CancelUpdate()
{
    requireOpen();
    discardPending();
}

std::int64_t Recordset::writePending(sqlite3* db)
{
    const std::optional<QString> country =
        pending_[0] ? std::optional<QString>(pending_[0]->text) : std::nullopt;

    // Only the assigned fields, as ?N for field N; the names come from the
    // field table, never from callers.
    QByteArray sql;
    if (editing_ == Editing::AddNew) {
        QByteArray columns, values;
        for (std::size_t i = 0; i < Fields.size(); ++i) {
            if (!pending_[i])
                continue;
            if (!columns.isEmpty()) {
                columns += ", ";
                values += ", ";
            }
            columns += Sql::quoted(Fields[i].name);
            values += '?' + QByteArray::number(static_cast<int>(i) + 1);
        }
        sql = "INSERT INTO " + Sql::quoted(TableName) + " (" + columns + ") VALUES (" + values + ")";
    } else {
        QByteArray sets;
        for (std::size_t i = 0; i < Fields.size(); ++i) {
            if (!pending_[i])
                continue;
            if (!sets.isEmpty())
                sets += ", ";
            sets += Sql::quoted(Fields[i].name) + " = ?" + QByteArray::number(static_cast<int>(i) + 1);
        }
        sql = "UPDATE " + Sql::quoted(TableName) + " SET " + sets + " WHERE rowid = ?"
            + QByteArray::number(static_cast<int>(Fields.size()) + 1);
    }

    Sql::Statement stmt(db, sql);
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        if (pending_[i])
            bindCell(stmt, static_cast<int>(i) + 1, *pending_[i]);
    }
    if (editing_ == Editing::Edit)
        stmt.bindInt(static_cast<int>(Fields.size()) + 1, current_.rowid);

    const int rc = stmt.tryStep();
    if (rc != SQLITE_DONE) {
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
            fail(Err::WriteFailed, duplicateMessage(country));
        throw sqliteFailure(db, rc);
    }
    if (editing_ == Editing::Edit && sqlite3_changes(db) == 0)
        fail(Err::WriteFailed,
             QCoreApplication::translate(
                 "Store", "The row could not be found for updating; another program may have deleted it."));
    return editing_ == Editing::AddNew ? sqlite3_last_insert_rowid(db) : current_.rowid;
}

void Recordset::Update()
{
    requireOpen();
    if (editing_ == Editing::None)
        return;
    sqlite3* db = conn_->handle();
    dropAhead();  // rows read ahead may no longer be what the file holds

    std::int64_t rowid = 0;
    try {
        for (std::size_t i = 0; i < Fields.size() && editing_ == Editing::AddNew; ++i) {
            if (Fields[i].required && !pending_[i])
                fail(Err::WriteFailed,
                     QCoreApplication::translate("Store", "The new row has no value for %1.")
                         .arg(fieldLabel(Fields[i].name)));
        }
        // An older layout is brought up to date by the same transaction as the
        // write: both or neither reach the file.
        rowid = asWrite([this, db] {
            Sql::Transaction transaction(db);
            Layout::bringUpToDate(db);
            const std::int64_t written = writePending(db);
            transaction.commit();
            return written;
        });
    } catch (const DbError&) {
        discardPending();
        throw;
    }

    // Stored: show the row as the file now holds it (its affinity may have
    // turned a value into another type).
    Sql::Row written;
    written.rowid = rowid;
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        if (pending_[i])
            written.cells[i] = *pending_[i];
        else if (editing_ == Editing::Edit)
            written.cells[i] = current_.cells[i];
    }
    editing_ = Editing::None;
    pending_ = {};
    savedRow_ = Sql::Row{};
    position_ = Position::OnRow;
    current_ = std::move(written);
    try {
        refreshLayout();
        fetchById(rowid);
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
    asWrite([this, db] {
        Sql::Transaction transaction(db);
        Layout::bringUpToDate(db);
        Sql::Statement stmt(db, "DELETE FROM " + Sql::quoted(TableName) + " WHERE rowid = ?1");
        stmt.bindInt(1, current_.rowid);
        stmt.step();
        stmt.reset();
        transaction.commit();
    });
    // The row id stays so MoveNext goes on to the row after it.
    position_ = Position::Deleted;
}

} // namespace data
