#include "ratefiles/PerEuro.h"

#include "data/RateValue.h"
#include "ratefiles/Dates.h"
#include "ratefiles/RateImportNames.h"
#include "ratefiles/Reading.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <tuple>

using namespace Qt::StringLiterals;
using data::RateFault;
using data::rateFault;

namespace ratefiles {

namespace {

// A quotient of rates published to five or six digits has no more than that:
// the rest of a double's digits would be noise shown as precision.
double toSixDigits(double value)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 5);
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

// Checked once a day is complete: a set per day would cost a history file more
// than all its reading.
void checkNoDuplicateCurrencies(const EuroDay& day)
{
    std::vector<const FileRate*> byCode;
    byCode.reserve(day.rates.size());
    for (const FileRate& r : day.rates)
        byCode.push_back(&r);
    std::sort(byCode.begin(), byCode.end(), [](const FileRate* a, const FileRate* b) {
        return std::tie(a->currencyCode, a->line) < std::tie(b->currencyCode, b->line);
    });
    const FileRate* second = nullptr;
    for (std::size_t i = 1; i < byCode.size(); ++i) {
        if (byCode[i]->currencyCode == byCode[i - 1]->currencyCode && (!second || byCode[i]->line < second->line))
            second = byCode[i];
    }
    if (second)
        throw FileFault{QCoreApplication::translate("RateFiles", "the currency %1 is listed twice for %2.")
                            .arg(second->currencyCode, dateText(day.date)),
                        second->line};
}

} // namespace

std::vector<FileRate> perPound(EuroDay day)
{
    const FileRate* gbp = nullptr;
    for (const FileRate& r : day.rates) {
        if (r.currencyCode == u"GBP")
            gbp = &r;
    }
    if (!gbp)
        //: Said of the rate file; follows "<file>, line <number>:". %1 is a day.
        throw FileFault{QCoreApplication::translate("RateFiles",
                                                    "has no rate for the pound (GBP) on %1, so its rates per euro "
                                                    "cannot be turned into rates per pound.")
                            .arg(dateText(day.date)),
                        day.line};
    const double pound = gbp->rate;
    FileRate euro;
    euro.currencyCode = u"EUR"_s;
    euro.rate = toSixDigits(1.0 / pound);
    euro.line = day.line;
    std::vector<FileRate> out;
    out.reserve(day.rates.size() + 1);
    bool hasEuro = false;
    for (FileRate r : day.rates) {
        hasEuro = hasEuro || r.currencyCode == u"EUR";
        r.rate = r.currencyCode == u"GBP" ? 1.0 : toSixDigits(r.rate / pound);
        out.push_back(std::move(r));
    }
    if (!hasEuro)
        out.push_back(euro);
    for (FileRate& r : out) {
        if (rateFault(r.rate) != RateFault::None)
            throw FileFault{
                QCoreApplication::translate("RateFiles", "the rate of %1 cannot be turned into a rate per pound.")
                    .arg(r.currencyCode),
                r.line};
        r.date = day.date;
        const EuroCurrency named = nameOfCurrency(r.currencyCode);
        r.country = named.country;
        r.unit = named.unit;
    }
    return out;
}

void addEuroRate(EuroDay& day, const QString& code, double rate, qint64 line)
{
    checkRateCount(qsizetype(day.rates.size()) + 1, line);
    FileRate r;
    r.currencyCode = code;
    r.rate = rate;
    r.line = static_cast<int>(line);
    day.rates.push_back(std::move(r));
}

void keepLatest(std::optional<EuroDay>& latest, std::optional<EuroDay>& day)
{
    if (day)
        checkNoDuplicateCurrencies(*day);
    if (day && !day->rates.empty() && (!latest || day->date > latest->date))
        latest = std::move(day);
    day.reset();
}

bool isCurrencyCode(const QString& text)
{
    if (text.size() != 3)
        return false;
    for (QChar c : text) {
        if (c < u'A' || c > u'Z')
            return false;
    }
    return true;
}

} // namespace ratefiles
