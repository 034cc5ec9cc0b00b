#include "data/Rates.h"

#include "data/NumberText.h"
#include "data/RateWrites.h"
#include "data/RecordStore.h"
#include "data/TillSettings.h"

#include <QLocale>

namespace data {

namespace {

// On the way out of a write, whatever it met: a change still pending would
// be committed by the record set's next move.
class NothingPending {
public:
    NothingPending() = default;
    NothingPending(const NothingPending&) = delete;
    NothingPending& operator=(const NothingPending&) = delete;
    ~NothingPending()
    {
        if (!rsRates.isOpen() || !rsRates.hasPendingChanges())
            return;
        try {
            rsRates.CancelUpdate();
        } catch (...) {
            // Open was checked; there is nothing else it can meet.
        }
    }
};

QString rateTextOf(const RateRow& row)
{
    if (!row.rateText.isEmpty())
        return row.rateText;
    // The shortest text that reads back as this very value.
    return QString::number(row.rate, 'g', QLocale::FloatingPointShortest);
}

QString dateTextOf(const RateRow& row)
{
    return row.updated.isValid() ? row.updated.toString(Qt::ISODate) : QString();
}

double numberOrZero(const QString& text)
{
    const ParsedNumber number = readNumber(text);
    return number.ok() ? number.value : 0.0;
}

// What the bureau sets beside the rate, on the current or new row.
void setTerms(const RateRow& row)
{
    rsRates.SetField(FieldCode, row.code);
    rsRates.SetField(FieldBuyMargin, QString::number(row.buyMargin, 'g', QLocale::FloatingPointShortest));
    rsRates.SetField(FieldSellMargin, QString::number(row.sellMargin, 'g', QLocale::FloatingPointShortest));
    rsRates.SetField(FieldSmallestNote, row.smallestNote.toText());
}

} // namespace

Rates& Rates::instance()
{
    static Rates rates;
    return rates;
}

bool Rates::isOpen() const
{
    return cnRates.isOpen() && rsRates.isOpen();
}

std::optional<RateRow> Rates::findRate(const QString& country) const
{
    rsRates.FindCountry(country);
    if (rsRates.isEOF())
        return std::nullopt;
    RateRow row;
    row.country = rsRates.Field(FieldCountry);
    row.unit = rsRates.Field(FieldUnit);
    row.rateText = rsRates.Field(FieldRate);
    const ParsedNumber rate = readNumber(row.rateText);
    row.rate = rate.ok() ? rate.value : 0.0;
    row.updated = QDate::fromString(rsRates.Field(FieldUpdated), Qt::ISODate);
    row.code = rsRates.Field(FieldCode);
    // The file's rules keep these numbers in range; a foreign table may not.
    row.buyMargin = numberOrZero(rsRates.Field(FieldBuyMargin));
    row.sellMargin = numberOrZero(rsRates.Field(FieldSellMargin));
    row.smallestNote = Money::fromDouble(numberOrZero(rsRates.Field(FieldSmallestNote))).value_or(Money());
    return row;
}

bool Rates::hasCountry(const QString& country) const
{
    rsRates.FindCountry(country);
    return !rsRates.isEOF();
}

void Rates::appendCountries(QStringList& names) const
{
    if (rsRates.isBOF() && rsRates.isEOF())
        return;
    rsRates.MoveFirst();
    while (!rsRates.isEOF()) {
        names.append(rsRates.Field(FieldCountry));
        rsRates.MoveNext();
    }
}

std::vector<RateRow> Rates::allRates() const
{
    return readAllRates(cnRates);
}

void Rates::addRate(const RateRow& row)
{
    {
        const NothingPending clean;
        rsRates.AddNew();
        rsRates.SetField(FieldCountry, row.country);
        rsRates.SetField(FieldUnit, row.unit);
        rsRates.SetField(FieldRate, rateTextOf(row));
        rsRates.SetField(FieldUpdated, dateTextOf(row));
        setTerms(row);
        rsRates.Update();
    }
    Q_EMIT ratesChanged();
}

bool Rates::replaceRate(const QString& country, const RateRow& row)
{
    {
        const NothingPending clean;
        rsRates.FindCountry(country);
        if (rsRates.isEOF())
            return false;
        // The Edit dialog's order, which decides which fault is reported first.
        rsRates.SetField(FieldCountry, row.country);
        rsRates.SetField(FieldRate, rateTextOf(row));
        rsRates.SetField(FieldUnit, row.unit);
        rsRates.SetField(FieldUpdated, dateTextOf(row));
        setTerms(row);
        rsRates.Update();
    }
    Q_EMIT ratesChanged();
    return true;
}

bool Rates::deleteRate(const QString& country)
{
    rsRates.FindCountry(country);
    if (rsRates.isEOF())
        return false;
    rsRates.Delete();
    Q_EMIT ratesChanged();
    return true;
}

Money Rates::minimumCommission() const
{
    return readMinimumCommission(cnRates);
}

void Rates::setMinimumCommission(Money amount)
{
    writeMinimumCommission(cnRates, amount);
    Q_EMIT ratesChanged();
}

std::optional<QString> Rates::setting(QStringView name) const
{
    return readSetting(cnRates, name);
}

void Rates::setSetting(QStringView name, const QString& value)
{
    writeSetting(cnRates, name, value);
    Q_EMIT ratesChanged();
}

void Rates::applyWrites(const std::vector<RateWrite>& writes)
{
    applyRateWrites(cnRates, writes);
    if (!writes.empty())
        Q_EMIT ratesChanged();
}

void Rates::replaceAll(const std::vector<RateRow>& rows, const std::vector<std::pair<QString, QString>>& settings)
{
    replaceAllRates(cnRates, rows, settings);
    Q_EMIT ratesChanged();
}

} // namespace data
