#pragma once

// How the store reports a failure: a DbError carrying an error value and a
// description. No description ever contains the database password. Code that
// only reports failures (the rate files, the windows) includes this header
// rather than the whole store.

#include <QString>

#include <stdexcept>

namespace data {

// An error value: which failure it is, and the number users of the old engine
// knew for it. Two values may show the same number and still differ: a failed
// write shows the number of a file that cannot be opened, as that engine's
// did, yet start-up must not take the one for the other. Where a number is
// wanted (shown, or compared with a number) the value stands for its number.
struct ErrorValue {
    long number;
    int id;

    constexpr operator long() const noexcept { return number; }
    friend constexpr bool operator==(const ErrorValue&, const ErrorValue&) = default;
};

namespace Err {
// E_FAIL: the file is missing, not a database, has another key, cannot be
// read or is locked.
inline constexpr ErrorValue CannotOpen{-2147467259, 1};
// E_FAIL as well: a write failed (a country already there, a row gone, a
// locked, read-only or full file).
inline constexpr ErrorValue WriteFailed{-2147467259, 2};
inline constexpr ErrorValue NoTable{-2147217865, 3};       // tblExchanges not in the file
inline constexpr ErrorValue BadField{-2147217904, 4};      // a field of tblExchanges is missing
inline constexpr ErrorValue MultipleStep{-2147217887, 5};  // a value cannot be stored in its field
inline constexpr ErrorValue NoCurrentRow{3021, 6};
inline constexpr ErrorValue NotFound{3265, 7};             // no field of that name
inline constexpr ErrorValue ObjectClosed{3704, 8};
inline constexpr ErrorValue InvalidUseOfNull{94, 9};
} // namespace Err

class DbError : public std::runtime_error {
public:
    DbError(ErrorValue value, const QString& description);
    ErrorValue Value() const noexcept { return value_; }
    long Number() const noexcept { return value_.number; }
    const QString& Description() const noexcept { return description_; }

private:
    ErrorValue value_;
    QString description_;
};

} // namespace data
