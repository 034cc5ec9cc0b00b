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
inline constexpr int CurrentLayout = 2;

enum class FieldKind {
    Text,  // text of at most maxChars code points
    Rate,  // a finite number above 0, assigned as text
    Date,  // an ISO date YYYY-MM-DD, or NULL when unknown
};

struct FieldDef {
    QStringView name;     // exactly as stored, the unit's spelling included
    FieldKind kind;
    int maxChars;         // Text: the most characters it holds; 0 for the others
    bool required;        // NOT NULL, and a new row must assign it
    bool unique;          // no two rows share the value (compared exactly)
    bool nullReadsEmpty;  // a NULL value reads as "" instead of failing
    int since;            // the layout version that added the field
};

inline constexpr std::array<FieldDef, 4> Fields{{
    {u"Country", FieldKind::Text, 50, true, true, false, 1},
    {u"Monetery Unit", FieldKind::Text, 25, false, false, false, 1},
    {u"Exchange Rate", FieldKind::Rate, 0, true, false, false, 1},
    {u"Updated", FieldKind::Date, 0, false, false, true, 2},
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

inline constexpr int CountryMaxLength = maxChars(FieldCountry);
inline constexpr int UnitMaxLength = maxChars(FieldUnit);

} // namespace data
