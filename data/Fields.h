#pragma once

// The fields of tblExchanges, described once. The schema text, the record
// set's SELECT lists, the validation of assigned values and the limits of the
// dialogs' boxes all loop over this table, so adding a field is a new line
// here (with the layout version that brings it) plus the form that shows it.

#include <QStringView>

#include <array>
#include <cstddef>

namespace data {

// The pivot: every stored rate is units of a country's currency per pound.
inline constexpr QStringView PivotCountry = u"Britain";

// The layout of the file, kept in PRAGMA user_version. Files made before the
// layout carried a number read 0 and hold the same table as version 1.
inline constexpr int CurrentLayout = 3;

enum class FieldKind {
    Text,     // text of at most maxChars code points
    Rate,     // a finite number above 0, assigned as text
    Date,     // an ISO date YYYY-MM-DD, or NULL when unknown
    Code,     // an ISO 4217 code, three capital letters A-Z, or "" when unknown
    Percent,  // a number from 0 up to, but not including, limit
    Money,    // an amount from 0 to limit with at most two decimals
};

struct FieldDef {
    QStringView name;     // exactly as stored, the unit's spelling included
    FieldKind kind;
    int maxChars = 0;     // Text and Code: the most characters it holds
    double limit = 0.0;   // Percent: values stay below it; Money: the most it holds
    bool required = false;        // NOT NULL, and a new row must assign it
    bool unique = false;          // no two rows share the value (compared exactly)
    bool nullReadsEmpty = false;  // a NULL value reads as "" instead of failing
    // NOT NULL, and a row given no value holds the kind's zero ("" or 0);
    // a file of an older layout, which lacks the field, reads the same.
    bool hasDefault = false;
    int since = 1;        // the layout version that added the field
};

inline constexpr std::array<FieldDef, 8> Fields{{
    {.name = u"Country", .kind = FieldKind::Text, .maxChars = 50, .required = true, .unique = true},
    {.name = u"Monetery Unit", .kind = FieldKind::Text, .maxChars = 25},
    {.name = u"Exchange Rate", .kind = FieldKind::Rate, .required = true},
    {.name = u"Updated", .kind = FieldKind::Date, .nullReadsEmpty = true, .since = 2},
    {.name = u"Code", .kind = FieldKind::Code, .maxChars = 3, .hasDefault = true, .since = 3},
    // The share of the value a customer gives up against the stored mid-rate.
    {.name = u"Buy Margin", .kind = FieldKind::Percent, .limit = 100.0, .hasDefault = true, .since = 3},
    {.name = u"Sell Margin", .kind = FieldKind::Percent, .limit = 100.0, .hasDefault = true, .since = 3},
    // The smallest amount of the currency the till pays out; 0: any amount.
    {.name = u"Smallest Note", .kind = FieldKind::Money, .limit = 1e9, .hasDefault = true, .since = 3},
}};

inline constexpr QStringView TableName = u"tblExchanges";

// Index in Fields of the field called exactly name, or -1.
constexpr int fieldIndexOf(QStringView name) noexcept
{
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        const QStringView candidate = Fields[i].name;
        if (candidate.size() != name.size())
            continue;
        bool same = true;
        for (qsizetype c = 0; c < name.size() && same; ++c)
            same = candidate[c] == name[c];
        if (same)
            return static_cast<int>(i);
    }
    return -1;
}

constexpr const FieldDef& fieldDef(QStringView name)
{
    return Fields[static_cast<std::size_t>(fieldIndexOf(name))];
}

// The most characters a text field holds, as the dialogs limit their boxes.
constexpr int maxChars(QStringView name)
{
    return fieldDef(name).maxChars;
}

inline constexpr QStringView FieldCountry = Fields[0].name;
inline constexpr QStringView FieldUnit = Fields[1].name;
inline constexpr QStringView FieldRate = Fields[2].name;
inline constexpr QStringView FieldUpdated = Fields[3].name;
inline constexpr QStringView FieldCode = Fields[4].name;
inline constexpr QStringView FieldBuyMargin = Fields[5].name;
inline constexpr QStringView FieldSellMargin = Fields[6].name;
inline constexpr QStringView FieldSmallestNote = Fields[7].name;

inline constexpr int CountryMaxLength = maxChars(FieldCountry);
inline constexpr int UnitMaxLength = maxChars(FieldUnit);
inline constexpr int CodeLength = maxChars(FieldCode);
inline constexpr double MarginBelow = fieldDef(FieldBuyMargin).limit;
inline constexpr double MaxSmallestNote = fieldDef(FieldSmallestNote).limit;

// The till's own settings, kept in the rates file beside the rates (the
// table tblSettings, a value per name, each as exact text), so that every
// cashier of the till, and head office's export, see the same. A name the
// file does not hold reads as its default.
inline constexpr QStringView SettingsTableName = u"tblSettings";
// The least commission a deal takes, in pounds: exact text such as "2.50";
// absent, 0 (no minimum).
inline constexpr QStringView SettingMinimumCommission = u"Minimum Commission";
// The most it may be, in pounds.
inline constexpr double MaxMinimumCommission = 100000.0;

} // namespace data
