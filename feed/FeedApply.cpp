#include "feed/FeedApply.h"

#include "data/DbError.h"
#include "data/Fields.h"
#include "data/Rates.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace feed {

namespace {

std::vector<data::RateRow> rowsOf(const ratefiles::RateFile& file)
{
    std::vector<data::RateRow> rows;
    rows.reserve(file.rates.size());
    for (const ratefiles::FileRate& rate : file.rates) {
        data::RateRow row{rate.country, rate.unit, rate.rate, rate.date};
        row.code = rate.currencyCode;
        row.buyMargin = rate.buyMargin;
        row.sellMargin = rate.sellMargin;
        row.smallestNote = rate.smallestNote;
        rows.push_back(std::move(row));
    }
    return rows;
}

QDate newestDate(const ratefiles::RateFile& file)
{
    QDate newest;
    for (const ratefiles::FileRate& rate : file.rates) {
        if (rate.date.isValid() && (!newest.isValid() || rate.date > newest))
            newest = rate.date;
    }
    return newest;
}

std::optional<QString> settingOf(const data::Rates& rates, QStringView name)
{
    try {
        return rates.isOpen() ? rates.setting(name) : std::nullopt;
    } catch (const data::DbError&) {
        return std::nullopt;
    }
}

QString appliedWords(const data::Rates& rates)
{
    const std::optional<QString> applied = settingOf(rates, SettingFeedApplied);
    const QDateTime at = applied ? QDateTime::fromString(*applied, Qt::ISODate) : QDateTime();
    if (!at.isValid())
        return QCoreApplication::translate("Feed", "Rates from head office: none applied yet.");
    const std::optional<QString> of = settingOf(rates, SettingFeedRatesOf);
    const QDate day = of ? QDate::fromString(*of, Qt::ISODate) : QDate();
    const QString when = QLocale().toString(at.toLocalTime(), u"d MMM yyyy HH:mm"_s);
    if (!day.isValid())
        //: %1 is when head office's rates were applied.
        return QCoreApplication::translate("Feed", "Rates from head office, applied %1.").arg(when);
    //: %1 is when head office's rates were applied, %2 the newest date of those rates.
    return QCoreApplication::translate("Feed", "Rates from head office, applied %1; the rates are of %2.")
        .arg(when, QLocale().toString(day, u"d MMM yyyy"_s));
}

} // namespace

std::optional<qint64> lastAppliedTimestamp(const data::Rates& rates)
{
    const std::optional<QString> text = rates.setting(SettingFeedSigned);
    bool ok = false;
    const qint64 seconds = text ? text->toLongLong(&ok) : 0;
    return ok ? std::optional<qint64>(seconds) : std::nullopt;
}

void applyFeedUpdate(data::Rates& rates, const FeedUpdate& update, const QDateTime& now)
{
    const QDate newest = newestDate(update.file);
    rates.replaceAll(rowsOf(update.file),
                     {{data::SettingMinimumCommission.toString(),
                       update.file.minimumCommission.value_or(data::Money()).toText()},
                      {SettingFeedSigned.toString(), QString::number(update.timestamp)},
                      {SettingFeedApplied.toString(), now.toUTC().toString(Qt::ISODate)},
                      {SettingFeedRatesOf.toString(), newest.isValid() ? newest.toString(Qt::ISODate) : QString()}});
}

QString feedStateLine(const data::Rates& rates, const FeedRun& lastRun)
{
    const QString applied = appliedWords(rates);
    if (lastRun.outcome != FeedOutcome::Refused)
        return applied;
    //: %1 says what was applied, %2 why the last file was not.
    return QCoreApplication::translate("Feed", "%1 Nothing was changed: %2").arg(applied, lastRun.message);
}

HeadOfficeRunner::HeadOfficeRunner(data::Rates& rates, FeedConfig config, FetchOptions options, QObject* parent)
    : QObject(parent)
    , rates_(rates)
    , config_(std::move(config))
    , options_(std::move(options))
{
    timer_.setInterval(std::chrono::minutes(config_.intervalMinutes));
    connect(&timer_, &QTimer::timeout, this, &HeadOfficeRunner::runNow);
}

HeadOfficeRunner::~HeadOfficeRunner() = default;

void HeadOfficeRunner::start()
{
    timer_.start();
    runNow();
}

void HeadOfficeRunner::runNow()
{
    if (fetch_)
        return;
    std::optional<qint64> last;
    try {
        if (!rates_.isOpen())
            throw data::DbError(data::Err::ObjectClosed,
                                QCoreApplication::translate("Feed", "The rates database is not open."));
        last = lastAppliedTimestamp(rates_);
    } catch (const data::DbError& e) {
        lastRun_ = {FeedOutcome::Refused, e.Description()};
        QTimer::singleShot(0, this, &HeadOfficeRunner::ran);
        return;
    }
    fetch_ = std::make_unique<HeadOfficeFetch>(network_, config_, last, options_);
    connect(fetch_.get(), &HeadOfficeFetch::finished, this, &HeadOfficeRunner::fetched);
    fetch_->start();
}

void HeadOfficeRunner::fetched()
{
    const std::unique_ptr<HeadOfficeFetch> done = std::move(fetch_);
    lastRun_ = applyResult(done->result());
    Q_EMIT ran();
}

FeedRun HeadOfficeRunner::applyResult(const FeedResult& result)
{
    if (result.refusal == FeedRefusal::Unchanged)
        return {FeedOutcome::Current, {}};
    if (!result.ok())
        return {FeedOutcome::Refused, result.message};
    try {
        applyFeedUpdate(rates_, *result.update, QDateTime::currentDateTimeUtc());
    } catch (const data::DbError& e) {
        return {FeedOutcome::Refused, e.Description()};
    }
    return {FeedOutcome::Applied, {}};
}

QString HeadOfficeRunner::stateLine() const
{
    return feedStateLine(rates_, lastRun_);
}

} // namespace feed
