#include "ratefiles/SeedFile.h"

#include "data/DbError.h"
#include "data/NumberText.h"
#include "data/RateValue.h"
#include "ratefiles/Csv.h"
#include "ratefiles/ExportHeader.h"
#include "ratefiles/RateFile.h"

#include <QFile>

using namespace Qt::StringLiterals;
using data::DbError;
using data::RateRow;
namespace Err = data::Err;

namespace ratefiles {

std::vector<RateRow> readSeedCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(Err::CannotOpen, u"Could not read %1: %2"_s.arg(fileLabel(path), file.errorString()));
    const QString text = QString::fromUtf8(file.readAll());

    const Csv::Result csv = Csv::parse(text);
    if (!csv.ok())
        throw DbError(Err::CannotOpen, u"Line %1 of %2: %3"_s.arg(csv.errorLine).arg(fileLabel(path), csv.error));
    const QStringList first = exportHeader(firstLayoutColumns());
    const QStringList coded = first + QStringList{data::FieldCode.toString()};
    if (csv.records.empty() || (csv.records.front().fields != first && csv.records.front().fields != coded))
        throw DbError(Err::CannotOpen, u"%1 must start with the line: %2 (or %3)"_s.arg(
                                           fileLabel(path), first.join(u','), coded.join(u',')));
    const QStringList& header = csv.records.front().fields;

    std::vector<RateRow> rows;
    rows.reserve(csv.records.size() - 1);
    for (std::size_t i = 1; i < csv.records.size(); ++i) {
        const Csv::Record& record = csv.records[i];
        auto bad = [&](const QString& why) {
            return DbError(Err::CannotOpen, u"Line %1 of %2: %3"_s.arg(record.line).arg(fileLabel(path), why));
        };
        if (record.fields.size() != header.size())
            throw bad(u"expected %1 fields, found %2."_s.arg(header.size()).arg(record.fields.size()));
        const data::ParsedNumber rate = data::readNumber(record.fields[2].trimmed());
        if (!rate.ok() || !(rate.value > 0.0))
            throw bad(u"'%1' is not a rate above 0."_s.arg(record.fields[2]));
        RateRow row{record.fields[0], record.fields[1], rate.value, {}};
        if (header.size() > first.size()) {
            row.code = record.fields[3].trimmed();
            if (!row.code.isEmpty() && !data::isCurrencyCode(row.code))
                throw bad(u"'%1' is not a currency code (three capital letters)."_s.arg(record.fields[3]));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace ratefiles
