#include "feed/FeedConfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace feed {

namespace {

constexpr qint64 MaxConfBytes = 64 * 1024;
const QString UrlKey = u"Url"_s;
const QString KeyKey = u"PublicKey"_s;
const QString IntervalKey = u"IntervalMinutes"_s;

// The three values as written, before any check.
struct Written {
    std::optional<QString> url;
    std::optional<QString> key;
    std::optional<QString> interval;
};

QString fault(const QString& source, const QString& why)
{
    //: %1 is a file, %2 what is wrong in it.
    return QCoreApplication::translate("Feed", "The head office settings in %1 cannot be used: %2")
        .arg(u"'"_s + source + u"'"_s, why);
}

FeedConfigResult refused(const QString& source, const QString& why)
{
    return FeedConfigResult{std::nullopt, fault(source, why)};
}

// A value may be quoted, as settings files write some.
QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.sliced(1, value.size() - 2);
    return value;
}

// The [Feed] section's keys; a line in it that is no key=value, or a key
// given twice, is a fault (which of two would the writer have meant?).
std::optional<QString> readSection(QByteArrayView text, QHash<QString, QString>& keys)
{
    bool inFeed = false;
    int number = 0;
    for (const QString& raw : QString::fromUtf8(text).split(u'\n')) {
        ++number;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inFeed = line.sliced(1, line.size() - 2).trimmed() == u"Feed"_s;
            continue;
        }
        if (!inFeed)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        const QString key = line.first(qMax(eq, 0)).trimmed();
        if (eq <= 0 || key.isEmpty())
            return QCoreApplication::translate("Feed", "line %1 is not of the form Name=value.").arg(number);
        if (keys.contains(key))
            return QCoreApplication::translate("Feed", "line %1 gives %2 a second time.").arg(number).arg(key);
        keys.insert(key, unquoted(line.sliced(eq + 1)));
    }
    return std::nullopt;
}

std::optional<int> readInterval(const std::optional<QString>& written)
{
    if (!written || written->isEmpty())
        return DefaultIntervalMinutes;
    for (const QChar c : *written) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int minutes = written->toInt(&ok);
    if (!ok || minutes < 1 || minutes > MaxIntervalMinutes)
        return std::nullopt;
    return minutes;
}

bool isFileUrl(const QUrl& url)
{
    return url.isValid() && url.scheme() == u"https"_s && !url.host().isEmpty() && url.path().size() > 1
        && !url.path().endsWith(u'/') && !url.hasFragment();
}

FeedConfigResult validate(const Written& written, const QString& source)
{
    if (!written.url || written.url->isEmpty())
        return refused(source, QCoreApplication::translate("Feed", "it has no Url."));
    if (!written.key || written.key->isEmpty())
        return refused(source, QCoreApplication::translate("Feed", "it has no PublicKey."));
    FeedConfig config;
    config.source = source;
    config.url = QUrl(*written.url, QUrl::StrictMode);
    if (!isFileUrl(config.url))
        return refused(source,
                       QCoreApplication::translate("Feed", "the Url %1 is not the https address of a file.")
                           .arg(*written.url));
    const PublicKeyResult key = parsePublicKey(written.key->toUtf8());
    if (!key.ok())
        return refused(source, QCoreApplication::translate(
                                   "Feed", "the PublicKey is not the key line of a minisign public key file."));
    config.key = *key.key;
    const std::optional<int> interval = readInterval(written.interval);
    if (!interval)
        return refused(source, QCoreApplication::translate(
                                   "Feed", "IntervalMinutes must be a whole number of minutes from 1 to %1.")
                                   .arg(MaxIntervalMinutes));
    config.intervalMinutes = *interval;
    return FeedConfigResult{config, {}};
}

std::optional<QString> valueOf(const QHash<QString, QString>& keys, const QString& key)
{
    const auto it = keys.constFind(key);
    return it == keys.cend() ? std::nullopt : std::optional<QString>(*it);
}

// Root's file, unless someone else could have written it.
std::optional<QString> untrusted(const QFileInfo& info)
{
    const QFile::Permissions others = QFile::WriteGroup | QFile::WriteOther;
    if (info.ownerId() != 0 || (info.permissions() & others))
        return QCoreApplication::translate(
            "Feed", "users other than root may change it; it must belong to root and be writable by root only.");
    return std::nullopt;
}

} // namespace

FeedConfigResult parseFeedConf(QByteArrayView text, const QString& source)
{
    if (text.size() > MaxConfBytes)
        return refused(source, QCoreApplication::translate("Feed", "it is too large for a settings file."));
    QHash<QString, QString> keys;
    if (const std::optional<QString> bad = readSection(text, keys))
        return refused(source, *bad);
    return validate(Written{valueOf(keys, UrlKey), valueOf(keys, KeyKey), valueOf(keys, IntervalKey)}, source);
}

FeedConfigResult feedConfigFromSettings(QSettings& settings)
{
    settings.beginGroup(u"Feed"_s);
    const auto read = [&settings](const QString& key) -> std::optional<QString> {
        if (!settings.contains(key))
            return std::nullopt;
        // A value with a comma comes back as a list.
        return unquoted(settings.value(key).toStringList().join(u','));
    };
    const Written written{read(UrlKey), read(KeyKey), read(IntervalKey)};
    settings.endGroup();
    if (!written.url && !written.key)
        return {};
    return validate(written, settings.fileName());
}

FeedConfigResult readFeedConfig(QSettings& user, const QString& systemPath, bool requireRootOwner)
{
    const QFileInfo info(systemPath);
    if (!info.exists())
        return feedConfigFromSettings(user);
    if (requireRootOwner) {
        if (const std::optional<QString> why = untrusted(info))
            return refused(systemPath, *why);
    }
    if (!info.isFile())
        return refused(systemPath, QCoreApplication::translate("Feed", "it is not a file."));
    QFile file(systemPath);
    if (!file.open(QIODevice::ReadOnly))
        return refused(systemPath, QCoreApplication::translate("Feed", "it cannot be read (%1).").arg(file.errorString()));
    return parseFeedConf(file.read(MaxConfBytes + 1), systemPath);
}

QUrl signatureUrl(const QUrl& file)
{
    QUrl signature = file;
    signature.setPath(file.path() + u".minisig"_s);
    return signature;
}

} // namespace feed
