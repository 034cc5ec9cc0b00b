#pragma once

// Internal to the store: checking a value against its field's description
// before it is held for writing, and the wording shared by the store's errors.

#include "data/RecordStore.h"

#include <QDate>
#include <QString>

#include <optional>

namespace data {

[[noreturn]] void fail(ErrorValue value, const QString& description);
// Err::ObjectClosed: a record set or connection that is not open was used.
[[noreturn]] void failClosed();

// Runs a write. A failure of the file under it (locked, read-only, full,
// damaged) is a failed write, Err::WriteFailed, rather than a file that cannot
// be opened; the other values pass unchanged.
template <typename Write>
auto asWrite(Write&& write) -> decltype(write())
{
    try {
        return write();
    } catch (const DbError& e) {
        if (e.Value() == Err::CannotOpen)
            throw DbError(Err::WriteFailed, e.Description());
        throw;
    }
}

QString quotedPath(const QString& path);
// A user's text inside a message, cut short if pasted text is very long.
QString shown(const QString& text);
QString duplicateMessage(const std::optional<QString>& country);

// The index in Fields of the field called name, letter case aside, as the old
// engine found fields; Err::NotFound when there is none.
std::size_t requireField(QStringView name);

// The value text assigns to field, as it will be stored; Err::MultipleStep when
// the field cannot hold it.
Sql::Cell checkedValue(const FieldDef& field, const QString& text);
Sql::Cell checkedRate(double value);
Sql::Cell checkedDate(const QDate& date);  // a null date is NULL

// The day text names when it is exactly YYYY-MM-DD, the stored form of a day
// (QDate alone would also take "2020-1-5"); otherwise a null date.
QDate isoDay(const QString& text);

} // namespace data
