#pragma once

// The header of the program's own rate file, built from the field table: the
// names of the fields in their order, "Country,Monetery Unit,Exchange
// Rate,Updated,...". A file of the first layout (the seed file, a table another
// tool exported) has the fields of that layout only. The export writes it,
// the seed reader and the export reader require it, and the detection knows a
// file by it.

#include "data/Fields.h"

#include <QStringList>

namespace ratefiles {

// How many fields the first layout has: those that came with it.
constexpr qsizetype firstLayoutColumns()
{
    qsizetype n = 0;
    for (const data::FieldDef& field : data::Fields)
        n += field.since == 1 ? 1 : 0;
    return n;
}

// How many fields a layout has: those that came with it or before.
constexpr qsizetype layoutColumns(int layout)
{
    qsizetype n = 0;
    for (const data::FieldDef& field : data::Fields)
        n += field.since <= layout ? 1 : 0;
    return n;
}

// The first columns of the header; all of them by default.
QStringList exportHeader(qsizetype columns = qsizetype(data::Fields.size()));

// The first line of an export that carries more than the rates' header can
// say (layout 3 on): the marker, a comma and the layout, "Tallyvane rates,3".
// Releases before it know no file that starts so and refuse it.
inline constexpr QStringView ExportMarker = u"Tallyvane rates";
// Whether a line is that first line, whatever layout it names.
bool isExportMarker(const QStringList& fields);

// Whether header is an export's, of the first layout or a later one: each
// name as the field table has it, blanks around it and letter case aside.
bool isExportHeader(const QStringList& header);

} // namespace ratefiles
