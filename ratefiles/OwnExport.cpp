#include "ratefiles/Readers.h"

#include "data/NumberText.h"
#include "data/RateValue.h"
#include "ratefiles/ExportHeader.h"
#include "ratefiles/Reading.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;
using data::FieldBuyMargin;
using data::FieldCode;
using data::FieldCountry;
using data::FieldRate;
using data::FieldSellMargin;
using data::FieldSmallestNote;
using data::FieldUnit;
using data::FieldUpdated;
using data::Money;
using data::fieldIndexOf;

namespace ratefiles {

namespace {

// Where each field stands: the header is the field table's names in order.
constexpr qsizetype columnOf(QStringView field)
{
    return fieldIndexOf(field);
}

// Spreadsheets in comma locales save the day as 01.03.2024; with slashes day
// and month cannot be told apart.
QDate exportedDay(const QString& day, qint64 line)
{
    QDate date = QDate::fromString(day, Qt::ISODate);
    if (!date.isValid())
        date = QDate::fromString(day, u"d.M.yyyy"_s);
    if (!date.isValid())
        throw FileFault{
            QCoreApplication::translate(
                "RateFiles", "the date %1 is not a date (YYYY-MM-DD, or DD.MM.YYYY as spreadsheets save it).")
                .arg(quoted(day)),
            line};
    return date;
}

// A margin, a note or a setting as written, with '.' as its decimal mark: a
// spreadsheet in a comma locale writes a comma where semicolons or tabs
// separate the fields.
QString decimalText(const QString& written, QChar separator, qint64 line)
{
    QString text = written.trimmed();
    if (separator != u',' && text.contains(u',')) {
        if (text.contains(u'.'))
            throw FileFault{QCoreApplication::translate("RateFiles",
                                                        "the figure %1 holds both '.' and ',': thousands separators "
                                                        "are not read, so write it without them.")
                                .arg(quoted(text)),
                            line};
        text.replace(u',', u'.');
    }
    return text;
}

// A value for one of the table's fields, as the table would take it.
QString fieldValue(QStringView field, const QString& text, qint64 line)
{
    const QString fault = data::valueFault(field, text);
    if (!fault.isEmpty())
        throw FileFault{fault, line};
    return text;
}

double numberValue(QStringView field, const QString& written, QChar separator, qint64 line)
{
    return data::readNumber(fieldValue(field, decimalText(written, separator, line), line)).value + 0.0;
}

Money readMinimumCommission(const QString& written, QChar separator, qint64 line)
{
    const QString text = decimalText(written, separator, line);
    const data::ParsedNumber number = data::readNumber(text);
    const std::optional<Money> amount = number.ok() ? Money::fromDouble(number.value) : std::nullopt;
    if (!amount || amount->toDouble() != number.value || *amount < Money()
        || number.value > data::MaxMinimumCommission)
        throw FileFault{QCoreApplication::translate("RateFiles",
                                                    "the minimum commission %1 is not an amount from 0 to %2 "
                                                    "with at most two decimals.")
                            .arg(quoted(text), Money::fromDouble(data::MaxMinimumCommission)->toText()),
                        line};
    return *amount;
}

// The fields a layout 3 export adds after the date.
void readTerms(const QStringList& fields, qsizetype columns, QChar separator, qint64 line, FileRate& r)
{
    if (columnOf(FieldCode) < columns)
        r.currencyCode = fieldValue(FieldCode, fields[columnOf(FieldCode)].trimmed(), line);
    if (columnOf(FieldBuyMargin) < columns)
        r.buyMargin = numberValue(FieldBuyMargin, fields[columnOf(FieldBuyMargin)], separator, line);
    if (columnOf(FieldSellMargin) < columns)
        r.sellMargin = numberValue(FieldSellMargin, fields[columnOf(FieldSellMargin)], separator, line);
    if (columnOf(FieldSmallestNote) < columns) {
        const double note = numberValue(FieldSmallestNote, fields[columnOf(FieldSmallestNote)], separator, line);
        r.smallestNote = Money::fromDouble(note).value_or(Money());
    }
}

} // namespace

qsizetype readExportPreamble(Csv::Reader& csv, const Csv::Record& first, QChar separator, RateFile& file)
{
    const QStringList marker = withoutTrailingBlanks(first.fields);
    bool numbered = false;
    const int layout = marker.size() == 2 ? marker[1].trimmed().toInt(&numbered) : 0;
    if (!numbered || layout < 3)
        throw FileFault{QCoreApplication::translate("RateFiles",
                                                    "the first line names no layout of this program's export: it "
                                                    "should read %1 and a number, such as %2.")
                            .arg(quoted(ExportMarker.toString()), quoted(ExportMarker.toString() + u",3"_s)),
                        first.line};
    if (layout > data::CurrentLayout)
        throw FileFault{QCoreApplication::translate("RateFiles",
                                                    "%1 was exported by a newer version of Tallyvane (layout %2), "
                                                    "which this version cannot read. Export the rates again with this "
                                                    "version's layout, or use the newer version."),
                        0, QString::number(layout)};
    Csv::Record record;
    while (csv.next(record)) {
        const QStringList fields = withoutTrailingBlanks(record.fields);
        if (isExportHeader(fields))
            return fields.size();
        if (fields.size() != 2)
            throw FileFault{QCoreApplication::translate("RateFiles",
                                                        "expected a setting (its name and its value) or the header "
                                                        "of the rates."),
                            record.line};
        if (fields[0].trimmed().compare(data::SettingMinimumCommission, Qt::CaseInsensitive) != 0)
            throw FileFault{QCoreApplication::translate("RateFiles", "the setting %1 is not one this program knows.")
                                .arg(quoted(fields[0].trimmed())),
                            record.line};
        file.minimumCommission = readMinimumCommission(fields[1], separator, record.line);
    }
    if (!csv.error().isEmpty())
        throw FileFault{csv.error(), csv.errorLine()};
    throw FileFault{QCoreApplication::translate("RateFiles", "%1 ends before the header of its rates.")};
}

RateFile readExport(Csv::Reader& csv, qsizetype columns, QChar separator, RateFile file)
{
    CsvRates rates(separator);
    Csv::Record record;
    // An export without the setting was made without a minimum commission.
    if (!file.minimumCommission)
        file.minimumCommission = Money();
    while (csv.next(record)) {
        const QStringList fields = withoutTrailingBlanks(std::move(record.fields), columns);
        if (fields.size() != columns)
            throw fieldCount(columns, fields.size(), separator, record.line);
        checkRateCount(qsizetype(file.rates.size()) + 1, record.line);
        FileRate r;
        // Names exactly as the table holds them: blanks count there.
        r.country = fields[columnOf(FieldCountry)];
        if (r.country.trimmed().isEmpty())
            throw FileFault{QCoreApplication::translate("RateFiles", "the country is missing."), record.line};
        r.unit = fields[columnOf(FieldUnit)];
        r.rate = rates.read(fields[columnOf(FieldRate)], record.line);
        // A file of the first layout has no dates.
        if (columnOf(FieldUpdated) < columns) {
            const QString day = fields[columnOf(FieldUpdated)].trimmed();
            if (!day.isEmpty())
                r.date = exportedDay(day, record.line);
        }
        readTerms(fields, columns, separator, record.line, r);
        r.line = record.line;
        file.rates.push_back(std::move(r));
    }
    if (!csv.error().isEmpty())
        throw FileFault{csv.error(), csv.errorLine()};
    checkNoDuplicateCountries(file.rates);
    file.format = RateFileFormat::OwnExport;
    return file;
}

} // namespace ratefiles
