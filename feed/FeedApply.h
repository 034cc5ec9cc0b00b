#pragma once

// Head office's rates written to the till, and the work a till does on its
// own: HeadOfficeRunner fetches the file and its signature (HeadOfficeFetch)
// at once and every IntervalMinutes, and applies an accepted file as one
// write that replaces the whole table and the minimum commission as head
// office set them, keeping the signed time so no older file can follow. The
// window and the command line share it; its state is one line of words.

#include "feed/HeadOffice.h"

#include <QDate>
#include <QDateTime>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

namespace data {
class Rates;
}

namespace feed {

// tblSettings names: the signed time of the file applied last (unix seconds),
// when it was applied (ISO, UTC) and the newest date of its rates (ISO day).
inline constexpr QStringView SettingFeedSigned = u"Head Office Signed";
inline constexpr QStringView SettingFeedApplied = u"Head Office Applied";
inline constexpr QStringView SettingFeedRatesOf = u"Head Office Rates Of";

std::optional<qint64> lastAppliedTimestamp(const data::Rates& rates);

// One write: the table replaced by the file's rows, its minimum commission
// (none given: none) and the three settings above. Throws DbError.
void applyFeedUpdate(data::Rates& rates, const FeedUpdate& update, const QDateTime& now);

enum class FeedOutcome { None, Applied, Current, Refused };

struct FeedRun {
    FeedOutcome outcome = FeedOutcome::None;
    QString message;  // what was wrong, for Refused
};

class HeadOfficeRunner : public QObject {
    Q_OBJECT

public:
    HeadOfficeRunner(data::Rates& rates, FeedConfig config, FetchOptions options = {}, QObject* parent = nullptr);
    ~HeadOfficeRunner() override;

    // Runs now, then every config.intervalMinutes.
    void start();
    // One fetch and apply; nothing while one is under way.
    void runNow();
    bool running() const { return fetch_ != nullptr; }

    const FeedRun& lastRun() const { return lastRun_; }
    // "Rates from head office, applied ...; the rates are of ..." and, after
    // a refusal, what was refused.
    QString stateLine() const;

Q_SIGNALS:
    void ran();

private:
    void fetched();
    FeedRun applyResult(const FeedResult& result);

    data::Rates& rates_;
    FeedConfig config_;
    FetchOptions options_;
    QNetworkAccessManager network_;
    QTimer timer_;
    std::unique_ptr<HeadOfficeFetch> fetch_;
    FeedRun lastRun_;
};

// The state line for what rates holds and the last run.
QString feedStateLine(const data::Rates& rates, const FeedRun& lastRun);

} // namespace feed
