#include "fuzz/rateimport_check.h"

#include "data/Fields.h"
#include "data/RateValue.h"
#include "ratefiles/Csv.h"
#include "ratefiles/RateExport.h"
#include "ratefiles/RateFile.h"
#include "ratefiles/RateImportPlan.h"

#include <QSet>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace data;
using namespace ratefiles;

namespace RateImportCheck {

namespace {

const QString kPath = u"fuzz input.csv"_s;

std::string describe(const QString& what)
{
    return what.toStdString();
}

// Written and read back, CSV keeps every record's fields.
std::string checkCsvRoundTrip(const QString& text)
{
    const Csv::Result first = Csv::parse(text);
    if (!first.ok()) {
        if (first.errorLine < 1)
            return "csv error without a line";
        return {};
    }
    QString written;
    for (const Csv::Record& r : first.records)
        written += Csv::line(r.fields) + u'\n';
    const Csv::Result second = Csv::parse(written);
    if (!second.ok())
        return "csv written by Csv::line does not read back: " + describe(second.error);
    if (second.records.size() != first.records.size())
        return "csv round trip changed the number of records";
    for (std::size_t i = 0; i < first.records.size(); ++i) {
        if (second.records[i].fields != first.records[i].fields)
            return "csv round trip changed record " + std::to_string(i);
    }
    return {};
}

std::string checkPlan(const RateFile& file, const std::vector<RateRow>& table)
{
    const ImportPlan plan = planImport(file, table);
    for (const RateChange& c : plan.changes) {
        if (c.country == PivotCountry && !c.isNew())
            return "the pivot was proposed for a change";
        if (!std::isnormal(c.newRate) || !(c.newRate > 0.0))
            return "a proposed rate is not a normal number above 0";
        // New rows come unticked; updates ticked unless the file is older
        // than the rate it would replace.
        const bool older = c.newDate.isValid() && c.currentDate.isValid() && c.newDate < c.currentDate;
        if (c.ticked != (!c.isNew() && !older))
            return "a new row ticked, or an update ticked or not against its dates";
    }
    return {};
}

} // namespace

std::string check(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (std::string problem = checkCsvRoundTrip(QString::fromUtf8(bytes)); !problem.empty())
        return problem;

    const RateFileResult result = parseRateFile(bytes, kPath);
    if (!result.ok()) {
        if (!result.error.contains(kPath))
            return "an error that does not name the file: " + describe(result.error);
        return {};
    }
    const RateFile& file = *result.file;
    if (file.rates.empty() && file.format != RateFileFormat::OwnExport)
        return "a file read with no rates";
    // The euro may come on top of a full file of per-euro rates.
    if (file.rates.size() > std::size_t(MaxRatesPerFile) + 1)
        return "more rates read than a file may hold";
    const bool perEuro = file.format == RateFileFormat::EcbDailyCsv || file.format == RateFileFormat::EcbDailyXml;
    for (const FileRate& r : file.rates) {
        if (!std::isnormal(r.rate) || !(r.rate > 0.0))
            return "a rate read that is not a normal number above 0";
        if (perEuro && QString::number(r.rate, 'g', 6).toDouble() != r.rate)
            return "a rate turned into a rate per pound has more than six significant digits";
        if (r.country.isEmpty())
            return "a row read without a country";
    }

    const std::vector<RateRow> sample{
        {u"Britain"_s, u"Pound"_s, 1.0, {}},
        {u"France"_s, u"Euro"_s, 1.17, QDate(2020, 1, 1)},
        {u"Holland"_s, u"Euro"_s, 1.1, {}},
        {u"United States"_s, u"Dollar"_s, 1.27, {}},
    };
    if (std::string problem = checkPlan(file, sample); !problem.empty())
        return problem;

    // The rows as a table: exported and read back, they propose nothing.
    std::vector<RateRow> table;
    QSet<QString> seen;
    for (const FileRate& r : file.rates) {
        if (r.country.size() > CountryMaxLength || r.unit.size() > UnitMaxLength || seen.contains(r.country))
            continue;
        seen.insert(r.country);
        RateRow row{r.country, r.unit, r.rate, r.date};
        row.code = isCurrencyCode(r.currencyCode) ? r.currencyCode : QString();
        row.buyMargin = r.buyMargin;
        row.sellMargin = r.sellMargin;
        row.smallestNote = r.smallestNote;
        table.push_back(std::move(row));
    }
    const Money minimum = file.minimumCommission.value_or(Money());
    const RateFileResult back = parseRateFile(exportCsv(table, minimum), kPath);
    if (!back.ok())
        return "an export does not read back: " + describe(back.error);
    if (back.file->rates.size() != table.size())
        return "an export read back with another number of rows";
    if (back.file->minimumCommission != minimum)
        return "an export read back with another minimum commission";
    for (std::size_t i = 0; i < table.size(); ++i) {
        const FileRate& r = back.file->rates[i];
        if (r.currencyCode != table[i].code || r.buyMargin != table[i].buyMargin
            || r.sellMargin != table[i].sellMargin || r.smallestNote != table[i].smallestNote)
            return "an export read back with other codes, margins or notes";
    }
    if (!planImport(*back.file, table).empty())
        return "an export read back into its own table proposes changes";
    if (std::string problem = checkPlan(*back.file, {}); !problem.empty())
        return problem;
    return {};
}

} // namespace RateImportCheck
