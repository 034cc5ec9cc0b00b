#pragma once

// Where head office publishes and the key it signs with. The same section
// serves in both places it may be set:
//
//   [Feed]
//   Url=https://head-office.example/rates.csv
//   PublicKey=RWQ...   (the key line of a minisign public key file)
//   IntervalMinutes=15
//
// /etc/tallyvane/feed.conf, owned by root, wins wherever it exists; otherwise
// the user's settings (group "Feed") may hold it. Either way it is checked
// before use, and a fault is a plain sentence naming where it was read.

#include "feed/Minisign.h"

#include <QByteArrayView>
#include <QString>
#include <QUrl>

#include <optional>

class QSettings;

namespace feed {

inline constexpr char16_t DefaultFeedConfPath[] = u"/etc/tallyvane/feed.conf";
inline constexpr int DefaultIntervalMinutes = 15;
// A week; QTimer counts milliseconds in an int, which ends at about 24 days.
inline constexpr int MaxIntervalMinutes = 7 * 24 * 60;

struct FeedConfig {
    QUrl url;           // https, a file's address
    PublicKey key;
    int intervalMinutes = DefaultIntervalMinutes;
    QString source{};   // the file it was read from
};

struct FeedConfigResult {
    std::optional<FeedConfig> config;  // configured and sound
    QString error;                     // configured, but not soundly
    bool configured() const { return config.has_value() || !error.isEmpty(); }
};

// The file's text, in its INI form; source names it in messages. A file with
// no sound [Feed] section is a fault: where the file exists, a feed is meant.
FeedConfigResult parseFeedConf(QByteArrayView text, const QString& source);
// The group "Feed" of the user's settings; not configured while it has
// neither Url nor PublicKey.
FeedConfigResult feedConfigFromSettings(QSettings& settings);
// The system file where it exists, else the user's settings. The system file
// counts only when no one but root can change it; requireRootOwner is off only
// for tests, whose files root does not own.
FeedConfigResult readFeedConfig(QSettings& user, const QString& systemPath = QString::fromUtf16(DefaultFeedConfPath),
                                bool requireRootOwner = true);

// Where the signature of the feed's file is: its address with ".minisig" added.
QUrl signatureUrl(const QUrl& file);

} // namespace feed
