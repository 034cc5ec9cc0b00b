#pragma once

// Internal to ratefiles/: one reader per format, each called by the detection
// (Detection.cpp) once the file's start has shown its kind. Each returns the
// file with its format, period and rates set, or throws FileFault.

#include "ratefiles/Csv.h"
#include "ratefiles/RateFile.h"

#include <QStringList>

#include <algorithm>

class QXmlStreamReader;

namespace ratefiles {

// XML, the reader standing on the root element.
RateFile readUkXml(QXmlStreamReader& xml, RateFile file);
RateFile readEcbXml(QXmlStreamReader& xml, RateFile file);

// Columns of the monthly CSV, found by loose names: the wording and letter case
// of its header change from year to year.
struct UkColumns {
    int country = -1, unit = -1, code = -1, rate = -1, start = -1, end = -1;
    bool found() const { return country >= 0 && code >= 0 && rate >= 0; }
    int needed() const { return std::max({country, unit, code, rate, start, end}) + 1; }
};
UkColumns ukColumns(const QStringList& header);

// CSV, the reader past the header; separator as the header had it.
RateFile readUkCsv(Csv::Reader& csv, const UkColumns& cols, QChar separator, RateFile file);
RateFile readEcbCsv(Csv::Reader& csv, const Csv::Record& header, QChar separator, RateFile file);
// columns: the export header's (ExportHeader.h), trailing blanks left out.
RateFile readExport(Csv::Reader& csv, qsizetype columns, QChar separator, RateFile file);
// An export that starts with its marker line (first): reads the settings
// after it into file and the header; returns the header's columns.
qsizetype readExportPreamble(Csv::Reader& csv, const Csv::Record& first, RateFile& file);

} // namespace ratefiles
