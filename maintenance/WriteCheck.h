#pragma once

// Before and after a write to the rates: whether this user may make it,
// whether the table can take what was typed, and the report when it failed.

#include "data/RateRow.h"

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <optional>

namespace maintenance {

// Whether this user may change the rates. When the file system would refuse
// the save (a read-only file, folder or disk, or a group the user is not in),
// says so in one sentence naming what to do and returns false: the rate
// commands stop before any dialog, and converting goes on as before.
bool mayChangeRates();

// The boxes of a rate dialog as the user filled them, the numbers in the
// user's number form. An empty margin or smallest note is 0.
struct TypedRate {
    QString country;
    QString unit;
    QString rate;
    QString code = {};
    QString buyMargin = {};
    QString sellMargin = {};
    QString smallestNote = {};
};

// The row to write from the boxes, its numbers in the store's form; or none,
// having said in a plain message which box holds what the table cannot take:
// the first of fields (Country, Monetery Unit, Exchange Rate, Code, ...), in
// the order the dialog assigns them. A slip of typing is no failure of the
// store, so it gets no failure report. The code, margins and smallest note
// are taken from typed whether fields names them or not.
std::optional<data::RateRow> rowToWrite(const TypedRate& typed, std::initializer_list<QStringView> fields);

// Shows the save failure ("Save Error", critical icon). Never throws.
void reportSaveError(long number, const QString& description) noexcept;

} // namespace maintenance
