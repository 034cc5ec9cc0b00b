#include "ratefiles/Readers.h"

#include "data/NumberForm.h"
#include "data/Refusal.h"
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
// comma is one too, as spreadsheets in comma locales save figures (quoted
// where commas separate the fields), but never beside a point.
QString decimalText(const QString& written, qint64 line)
{
    QString text = written.trimmed();
    if (text.contains(u',')) {
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

// Why a column's value cannot stand in the table, in the words of a file.
FileFault columnFault(const data::Refusal& refusal, qint64 line)
{
    const QString column = refusal.field.toString(), value = quoted(refusal.value);
    const QString limit = data::shownNumber(data::fieldDef(refusal.field).limit);
    QString why;
    switch (refusal.kind) {
    case data::RefusalKind::NotACode:
        //: %1 the column's name, %2 the value.
        why = QCoreApplication::translate("RateFiles", "the %1 %2 is not a currency code (three capital letters).");
        break;
    case data::RefusalKind::Negative:
        why = QCoreApplication::translate("RateFiles", "the %1 %2 is below 0.");
        break;
    case data::RefusalKind::NotBelowLimit:
        //: %3 the limit, such as 100.
        why = QCoreApplication::translate("RateFiles", "the %1 %2 is not below %3.");
        break;
    case data::RefusalKind::AboveLimit:
        why = QCoreApplication::translate("RateFiles", "the %1 %2 is above %3.");
        break;
    case data::RefusalKind::TooManyDecimals:
        why = QCoreApplication::translate("RateFiles", "the %1 %2 has more than two decimals.");
        break;
    default:
        why = QCoreApplication::translate("RateFiles", "the %1 %2 is not a number.");
        break;
    }
    const bool limited =
        refusal.kind == data::RefusalKind::NotBelowLimit || refusal.kind == data::RefusalKind::AboveLimit;
    return FileFault{limited ? why.arg(column, value, limit) : why.arg(column, value), line};
}

// A value for one of the table's fields, as the table would take it.
QString fieldValue(QStringView field, const QString& text, qint64 line)
{
    if (const std::optional<data::Refusal> refusal = data::refusalOf(data::fieldDef(field), text))
        throw columnFault(*refusal, line);
    return text;
}

double numberValue(QStringView field, const QString& written, qint64 line)
{
    return data::readNumber(fieldValue(field, decimalText(written, line), line)).value + 0.0;
}

Money readMinimumCommission(const QString& written, qint64 line)
{
    const QString text = decimalText(written, line);
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
void readTerms(const QStringList& fields, qsizetype columns, qint64 line, FileRate& r)
{
    if (columnOf(FieldCode) < columns)
        r.currencyCode = fieldValue(FieldCode, fields[columnOf(FieldCode)].trimmed(), line);
    if (columnOf(FieldBuyMargin) < columns)
        r.buyMargin = numberValue(FieldBuyMargin, fields[columnOf(FieldBuyMargin)], line);
    if (columnOf(FieldSellMargin) < columns)
        r.sellMargin = numberValue(FieldSellMargin, fields[columnOf(FieldSellMargin)], line);
    if (columnOf(FieldSmallestNote) < columns) {
        const double note = numberValue(FieldSmallestNote, fields[columnOf(FieldSmallestNote)], line);
        r.smallestNote = Money::fromDouble(note).value_or(Money());
    }
}

} // namespace

qsizetype readExportPreamble(Csv::Reader& csv, const Csv::Record& first, RateFile& file)
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
        file.minimumCommission = readMinimumCommission(fields[1], record.line);
    }
    if (!csv.error().isEmpty())
        throw FileFault{csv.error(), csv.errorLine()};
    throw FileFault{QCoreApplication::translate("RateFiles", "%1 ends before the header of its rates.")};
}

RateFile readExport(Csv::Reader& csv, qsizetype columns, QChar separator, RateFile file)
{
    CsvRates rates;
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
        readTerms(fields, columns, record.line, r);
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
