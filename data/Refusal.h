#pragma once

// Why a field of the rates table refuses a value: the one check every write of
// the store makes (a refused write is Err::MultipleStep), offered to the
// windows too, so that they can refuse a typing slip in plain words before
// any write, and keep the failure report for failures of the store itself.

#include "data/Fields.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace data {

enum class RefusalKind {
    Empty,        // a required field left empty
    NulCharacter, // text holding U+0000, which the store cannot keep
    TooLong,      // more characters than the field holds
    NotANumber,
    TooLarge,     // beyond the largest double
    NotAboveZero, // a rate of 0 or below
    TooSmall,     // a rate above 0 too small to be a normal double
    NotADate,     // not YYYY-MM-DD
    NotACode,     // not three capital letters A-Z, nor empty
    Negative,     // a margin or an amount below 0
    NotBelowLimit, // a margin of its field's limit (100) or more
    AboveLimit,   // an amount above its field's limit
    TooManyDecimals, // an amount with more than two decimals
};

struct Refusal {
    QStringView field; // the stored name, as in Fields
    RefusalKind kind = RefusalKind::NotANumber;
    QString value; // the text as the user wrote it, shown in the message
};

// The refusal of text (in the '.' form) by field, or none when it may be stored.
std::optional<Refusal> refusalOf(const FieldDef& field, const QString& text);
// The same for a rate given as a value; written is its text, if any.
std::optional<Refusal> refusalOfRate(double value, const QString& written);

// A plain sentence: the box by the name the user knows it by, the value in
// the language's quotation marks, and the limit in the user's number form.
QString refusalMessage(const Refusal& refusal);

} // namespace data
