#pragma once

// The till's settings in the rates file (tblSettings, data/Fields.h): a value
// per name, as exact text. data::Rates offers them to the windows.

#include "data/Money.h"
#include "data/RecordStore.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace data {

// The value stored under name; none when the file holds none, its layout
// being older than the table included. Reading never writes. Throws DbError
// (Err::ObjectClosed when the connection is not open).
std::optional<QString> readSetting(Connection& connection, QStringView name);

// Stores value under name, replacing any value there, in one transaction that
// also brings an older layout up to date; durable once it returns. Throws
// DbError (Err::WriteFailed) and leaves the file as it was.
void writeSetting(Connection& connection, QStringView name, const QString& value);

// The minimum commission as stored: 0 when none is. A stored value that is
// not an amount from 0 to MaxMinimumCommission throws Err::MultipleStep.
Money readMinimumCommission(Connection& connection);
// Err::MultipleStep, writing nothing, for an amount below 0 or above the limit.
void writeMinimumCommission(Connection& connection, Money amount);

} // namespace data
