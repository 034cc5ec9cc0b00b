#pragma once

// Support for the journal's tests: deals made from a few figures, and a till
// clock the test sets.

#include "data/Journal.h"

#include <QDateTime>

#include <memory>

namespace JournalFixtures {

inline data::Money money(const char* text)
{
    return data::Money::fromText(QString::fromLatin1(text)).value();
}

// Three sides a deal can take: the pound, the dollar (1.27 to the pound) and
// a country without a currency code.
inline data::DealSide side(const char* code)
{
    data::DealSide s;
    s.currency = QString::fromLatin1(code);
    s.country = s.currency;
    s.unit = QStringLiteral("Unit");
    s.rate = 1.0 / 3.0;
    if (s.currency == u"GBP") {
        s = {};
        s.country = QStringLiteral("Britain");
        s.unit = QStringLiteral("Pound");
        s.rate = 1.0;
    } else if (s.currency == u"USD") {
        s.country = QStringLiteral("United States");
        s.unit = QStringLiteral("Dollar");
        s.rate = 1.27;
        s.rateDate = QDate(2024, 5, 1);
        s.buyMargin = QStringLiteral("2.5");
        s.sellMargin = QStringLiteral("2");
    } else {
        s.currency.clear();
    }
    return s;
}

// A deal whose figures are given; the total follows from them, the rates
// used are the stored ones.
inline data::Deal deal(const char* from, const char* to, const char* amount, const char* exchanged,
                       const char* commission, const char* paidOut, const char* paidInPounds = "0")
{
    data::Deal d;
    d.customer = QStringLiteral("Ref 7\nline two");
    d.from = side(from);
    d.to = side(to);
    d.buyRate = d.from.rate;
    d.sellRate = d.to.rate;
    d.amount = money(amount);
    d.commissionPercent = QStringLiteral("2.5");
    d.minimumCommission = money("1.00");
    d.exchanged = money(exchanged);
    d.commission = money(commission);
    d.total = d.exchanged - d.commission;
    d.paidOut = money(paidOut);
    d.paidInPounds = money(paidInPounds);
    return d;
}

// The till's clock: reads what the test last set, one second later each time.
class TillClock {
public:
    explicit TillClock(data::Journal& journal,
                       QDateTime start = QDateTime(QDate(2024, 5, 1), QTime(9, 0), Qt::OffsetFromUTC, 3600))
        : now_(std::make_shared<QDateTime>(std::move(start)))
    {
        journal.setClock([now = now_] { return *now = now->addSecs(1); });
        journal.setTill(QStringLiteral("Till 1"));
    }
    void set(const QDateTime& at) { *now_ = at.addSecs(-1); }

private:
    std::shared_ptr<QDateTime> now_;
};

} // namespace JournalFixtures
