#include "ratefiles/ExportHeader.h"

using data::Fields;

namespace ratefiles {

// Fields only ever come after the first layout's, so its columns are a prefix.
static_assert([] {
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        if ((Fields[i].since == 1) != (qsizetype(i) < firstLayoutColumns()))
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
