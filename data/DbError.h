#pragma once

// How the store reports a failure: a DbError carrying the number users of the
// old engine knew and a description. No description ever contains the
// database password. Code that only reports failures (the rate files, the
// windows) includes this header rather than the whole store.

#include <QString>

#include <stdexcept>

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

} // namespace MOD_Data
