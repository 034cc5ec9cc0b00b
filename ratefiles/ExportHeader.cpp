#include "ratefiles/ExportHeader.h"

using data::Fields;

namespace ratefiles {

// A layout's fields only ever come after the earlier layouts', so each
// layout's columns are a prefix of the next one's.
static_assert([] {
    for (std::size_t i = 1; i < Fields.size(); ++i) {
        if (Fields[i].since < Fields[i - 1].since)
            return false;
    }
    return true;
}());

QStringList exportHeader(qsizetype columns)
{
    QStringList names;
    for (qsizetype i = 0; i < columns; ++i)
        names << Fields[std::size_t(i)].name.toString();
    return names;
}

bool isExportMarker(const QStringList& fields)
{
    return !fields.isEmpty() && fields.front().trimmed().compare(ExportMarker, Qt::CaseInsensitive) == 0;
}

bool isExportHeader(const QStringList& header)
{
    if (header.size() < firstLayoutColumns() || header.size() > qsizetype(Fields.size()))
        return false;
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (header[i].trimmed().compare(Fields[std::size_t(i)].name, Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

} // namespace ratefiles
