// Fetching over HTTPS and head office's feed, against a loopback server that
// goes wrong in each of the ways a real one can; the feed's configuration.
#include "feed/FeedConfig.h"
#include "feed/Fetch.h"
#include "feed/HeadOffice.h"
#include "feed/Publishers.h"
#include "ratefiles/RateExport.h"
#include "tests/FeedFixtures.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;
using namespace feed;
using namespace feedtest;

namespace {

constexpr qint64 Signed = 1700000000;
constexpr qint64 SmallCap = 1024 * 1024;

QString comment(qint64 at)
{
    return u"timestamp:%1\tfile:rates.csv\thashed"_s.arg(at);
}

// Two servers, one with a certificate from an authority the client does not
// know, and a head office's files on the first.
struct World {
    QTemporaryDir dir;
    TestAuthority trusted = TestAuthority::make(dir.filePath(u"trusted"_s));
    TestAuthority unknown = TestAuthority::make(dir.filePath(u"unknown"_s));
    LoopbackHttps server{trusted};
    LoopbackHttps stranger{unknown};
    Signer ours = Signer::make(dir.filePath(u"ours"_s));
    Signer theirs = Signer::make(dir.filePath(u"theirs"_s));
    QByteArray rates = ratefiles::exportCsv({{u"Britain"_s, u"Pound"_s, 1.0, {}},
                                              {u"France"_s, u"Euro"_s, 1.17, QDate(2024, 3, 1)}});
    QNetworkAccessManager network;

    World()
    {
        network.setProxy(QNetworkProxy::NoProxy);  // whatever the machine's settings
        serve(u"/rates.csv"_s, rates, ours.sign(rates, comment(Signed)));
        serve(u"/legacy.csv"_s, rates, ours.sign(rates, comment(Signed), true));
        const QByteArray changed = QByteArray(rates).replace("1.17", "1.71");
        serve(u"/tampered.csv"_s, changed, ours.sign(rates, comment(Signed)));
        serve(u"/otherkey.csv"_s, rates, theirs.sign(rates, comment(Signed)));
        serve(u"/older.csv"_s, rates, ours.sign(rates, comment(Signed - 3600)));
        serve(u"/notime.csv"_s, rates, ours.sign(rates, u"head office rates"_s));
        const QByteArray ecb = "Date,USD,GBP,\n29 April 2022,1.0532,0.84,\n";
        serve(u"/ecb.csv"_s, ecb, ours.sign(ecb, comment(Signed)));
        serve(u"/junk.csv"_s, "not rates", ours.sign("not rates", comment(Signed)));
        server.route(u"/cut.csv"_s, Route{.kind = Route::Kind::Cut, .body = rates});
        server.route(u"/cut.csv.minisig"_s, Route{.body = ours.sign(rates, comment(Signed))});
        server.route(u"/broken"_s, Route{.status = 500, .body = "oops"});
        server.route(u"/silent"_s, Route{.kind = Route::Kind::Silent});
        server.route(u"/endless"_s, Route{.kind = Route::Kind::Endless});
        server.route(u"/announced"_s, Route{.kind = Route::Kind::Announce, .body = "Country", .announced = SmallCap + 1});
        server.route(u"/to-http"_s, Route{.kind = Route::Kind::Redirect,
                                          .location = "http://127.0.0.1:1/rates.csv"});
        server.route(u"/to-https"_s, Route{.kind = Route::Kind::Redirect,
                                           .location = server.url(u"/rates.csv"_s).toEncoded()});
        stranger.route(u"/rates.csv"_s, Route{.body = rates});
    }

    void serve(const QString& path, const QByteArray& body, const QByteArray& minisig)
    {
        server.route(path, Route{.body = body});
        server.route(path + u".minisig"_s, Route{.body = minisig});
    }

    FetchOptions options(qint64 cap = SmallCap) const
    {
        return FetchOptions{.maxBytes = cap, .timeLimit = std::chrono::milliseconds(3000), .ssl = trusted.clientConfig()};
    }
};

World& world()
{
    static World* w = new World;  // outlives the tests; the process ends it
    return *w;
}

template <typename Job>
void waitFor(Job& job)
{
    QSignalSpy done(&job, &Job::finished);
    job.start();
    ASSERT_TRUE(done.wait(15'000));
    EXPECT_EQ(done.count(), 1);
}

enum class Where { Trusted, Unknown, Plain, Closed };

struct FetchCase {
    const char* name;
    const char* path = "/rates.csv";
    Where where = Where::Trusted;
    FetchError expected = FetchError::None;
    bool cancel = false;
};

class FetchTest : public ::testing::TestWithParam<FetchCase> {};

// A port nothing listens on, and one that would see any connection.
QUrl addressFor(const FetchCase& c, QTcpServer& plain)
{
    switch (c.where) {
    case Where::Trusted:
        return world().server.url(QString::fromLatin1(c.path));
    case Where::Unknown:
        return world().stranger.url(QString::fromLatin1(c.path));
    case Where::Plain:
        return QUrl(u"http://127.0.0.1:%1%2"_s.arg(plain.serverPort()).arg(QString::fromLatin1(c.path)));
    case Where::Closed: {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        const quint16 port = closed.serverPort();
        closed.close();
        return QUrl(u"https://127.0.0.1:%1/rates.csv"_s.arg(port));
    }
    }
    return {};
}

TEST_P(FetchTest, endsWithTheRightReason)
{
    const FetchCase& c = GetParam();
    QTcpServer plain;
    ASSERT_TRUE(plain.listen(QHostAddress::LocalHost, 0));
    Fetch fetch(world().network, addressFor(c, plain), world().options());
    QSignalSpy done(&fetch, &Fetch::finished);
    fetch.start();
    if (c.cancel)
        fetch.cancel();
    ASSERT_TRUE(done.wait(15'000));
    QCoreApplication::processEvents();
    EXPECT_EQ(done.count(), 1);

    EXPECT_EQ(fetch.result().error, c.expected) << fetch.result().message.toStdString();
    if (c.expected == FetchError::None) {
        EXPECT_EQ(fetch.result().body, world().rates);
    } else {
        EXPECT_TRUE(fetch.result().body.isEmpty());
        EXPECT_TRUE(fetch.result().message.contains(u"127.0.0.1"_s)) << fetch.result().message.toStdString();
    }
    EXPECT_FALSE(plain.hasPendingConnections()) << "an http address was connected to";
}

INSTANTIATE_TEST_SUITE_P(
    Loopback, FetchTest,
    ::testing::Values(FetchCase{.name = "whole"},
                      FetchCase{.name = "redirectWithinHttps", .path = "/to-https"},
                      FetchCase{.name = "notFound", .path = "/missing", .expected = FetchError::NotFound},
                      FetchCase{.name = "serverError", .path = "/broken", .expected = FetchError::HttpStatus},
                      FetchCase{.name = "cutShort", .path = "/cut.csv", .expected = FetchError::Cut},
                      FetchCase{.name = "redirectToHttp", .path = "/to-http", .expected = FetchError::NotHttps},
                      FetchCase{.name = "httpAddress", .where = Where::Plain, .expected = FetchError::NotHttps},
                      FetchCase{.name = "noServer", .where = Where::Closed, .expected = FetchError::NoNetwork},
                      FetchCase{.name = "neverAnswers", .path = "/silent", .expected = FetchError::TimedOut},
                      FetchCase{.name = "announcedOverCap", .path = "/announced", .expected = FetchError::TooLarge},
                      FetchCase{.name = "bodyOverCap", .path = "/endless", .expected = FetchError::TooLarge},
                      FetchCase{.name = "unknownAuthority", .where = Where::Unknown, .expected = FetchError::Certificate},
                      FetchCase{.name = "cancelled", .path = "/silent", .expected = FetchError::Cancelled, .cancel = true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchCap, stopsReadingSoonAfterTheCap)
{
    const qint64 before = world().server.endlessSent();
    Fetch fetch(world().network, world().server.url(u"/endless"_s), world().options());
    QSignalSpy progress(&fetch, &Fetch::progress);
    waitFor(fetch);
    EXPECT_EQ(fetch.result().error, FetchError::TooLarge);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_LE(progress.last().at(0).toLongLong(), SmallCap);
    // The socket buffers on both sides hold a few megabytes at most; a
    // reader that went on would have been sent far more before the test ends.
    QTest::qWait(200);
    EXPECT_LT(world().server.endlessSent() - before, SmallCap + 16 * 1024 * 1024);
}

struct FeedCase {
    const char* name;
    const char* path = "/rates.csv";
    std::optional<qint64> lastApplied = Signed - 1;
    FeedRefusal expected = FeedRefusal::None;
    SignatureFault signatureFault = SignatureFault::None;
    FetchError fetchError = FetchError::None;
};

class HeadOfficeTest : public ::testing::TestWithParam<FeedCase> {};

TEST_P(HeadOfficeTest, appliesOnlyANewerFileSignedByHeadOffice)
{
    const FeedCase& c = GetParam();
    FeedConfig config{.url = world().server.url(QString::fromLatin1(c.path)),
                      .key = *parsePublicKey(world().ours.publicKeyFile()).key};
    HeadOfficeFetch feed(world().network, config, c.lastApplied, world().options());
    waitFor(feed);
    const FeedResult& result = feed.result();
    EXPECT_EQ(result.refusal, c.expected) << result.message.toStdString();
    EXPECT_EQ(result.signatureFault, c.signatureFault);
    EXPECT_EQ(result.fetchError, c.fetchError);
    if (c.expected == FeedRefusal::None) {
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result.update->timestamp, Signed);
        EXPECT_EQ(result.update->trustedComment, comment(Signed));
        ASSERT_EQ(result.update->file.rates.size(), 2u);
        EXPECT_EQ(result.update->file.rates[1].rate, 1.17);
    } else {
        EXPECT_FALSE(result.ok());
        EXPECT_FALSE(result.message.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loopback, HeadOfficeTest,
    ::testing::Values(
        FeedCase{.name = "good"},
        FeedCase{.name = "firstEver", .lastApplied = std::nullopt},
        FeedCase{.name = "legacySignature", .path = "/legacy.csv"},
        FeedCase{.name = "sameAsApplied", .lastApplied = Signed, .expected = FeedRefusal::Unchanged},
        FeedCase{.name = "older", .path = "/older.csv", .expected = FeedRefusal::NotNewer},
        FeedCase{.name = "tampered", .path = "/tampered.csv", .expected = FeedRefusal::Signature,
                 .signatureFault = SignatureFault::BadSignature},
        FeedCase{.name = "otherKey", .path = "/otherkey.csv", .expected = FeedRefusal::Signature,
                 .signatureFault = SignatureFault::OtherKey},
        FeedCase{.name = "noTimestamp", .path = "/notime.csv", .expected = FeedRefusal::Signature,
                 .signatureFault = SignatureFault::NoTimestamp},
        FeedCase{.name = "cutBody", .path = "/cut.csv", .expected = FeedRefusal::Fetch, .fetchError = FetchError::Cut},
        FeedCase{.name = "noSignature", .path = "/missing.csv", .expected = FeedRefusal::Fetch,
                 .fetchError = FetchError::NotFound},
        FeedCase{.name = "publishedRates", .path = "/ecb.csv", .expected = FeedRefusal::NotExport},
        FeedCase{.name = "notARateFile", .path = "/junk.csv", .expected = FeedRefusal::NotRateFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HeadOfficeFetch, otherKeyEndsBeforeTheFileIsFetched)
{
    const int before = world().server.requests(u"/otherkey.csv"_s);
    FeedConfig config{.url = world().server.url(u"/otherkey.csv"_s),
                      .key = *parsePublicKey(world().ours.publicKeyFile()).key};
    HeadOfficeFetch feed(world().network, config, std::nullopt, world().options());
    waitFor(feed);
    EXPECT_EQ(feed.result().signatureFault, SignatureFault::OtherKey);
    EXPECT_EQ(world().server.requests(u"/otherkey.csv"_s), before);
}

struct ConfCase {
    const char* name;
    QByteArray text;
    int interval = 0;  // 0: refused
};

class FeedConfTest : public ::testing::TestWithParam<ConfCase> {};

TEST_P(FeedConfTest, readsAndChecksTheFeedSection)
{
    const ConfCase& c = GetParam();
    QByteArray text = c.text;
    text.replace("KEY", world().ours.publicKeyFile().split('\n')[1]);
    const FeedConfigResult result = parseFeedConf(text, u"/etc/tallyvane/feed.conf"_s);
    EXPECT_TRUE(result.configured());
    if (c.interval == 0) {
        EXPECT_FALSE(result.config.has_value());
        EXPECT_TRUE(result.error.contains(u"/etc/tallyvane/feed.conf"_s)) << result.error.toStdString();
        return;
    }
    ASSERT_TRUE(result.config.has_value()) << result.error.toStdString();
    EXPECT_EQ(result.config->intervalMinutes, c.interval);
    EXPECT_EQ(result.config->url, QUrl(u"https://head.example/rates.csv"_s));
    EXPECT_EQ(signatureUrl(result.config->url), QUrl(u"https://head.example/rates.csv.minisig"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FeedConfTest,
    ::testing::Values(
        ConfCase{"defaultInterval", "[Feed]\nUrl=https://head.example/rates.csv\nPublicKey=KEY\n", 15},
        ConfCase{"ownInterval", "[Feed]\nUrl=https://head.example/rates.csv\nPublicKey=KEY\nIntervalMinutes=5\n", 5},
        ConfCase{"crLfCommentsQuotesOtherSections",
                 "; till 4\r\n[Other]\r\nUrl=http://x\r\n[Feed]\r\n# head office\r\nUrl = \"https://head.example/rates.csv\"\r\n"
                 "PublicKey=KEY\r\nIntervalMinutes=60\r\n",
                 60},
        ConfCase{"plainHttp", "[Feed]\nUrl=http://head.example/rates.csv\nPublicKey=KEY\n"},
        ConfCase{"aFolderNotAFile", "[Feed]\nUrl=https://head.example/\nPublicKey=KEY\n"},
        ConfCase{"noUrl", "[Feed]\nPublicKey=KEY\n"},
        ConfCase{"noKey", "[Feed]\nUrl=https://head.example/rates.csv\n"},
        ConfCase{"badKey", "[Feed]\nUrl=https://head.example/rates.csv\nPublicKey=RWQnotakey\n"},
        ConfCase{"zeroMinutes", "[Feed]\nUrl=https://head.example/rates.csv\nPublicKey=KEY\nIntervalMinutes=0\n"},
        ConfCase{"fractionOfMinutes", "[Feed]\nUrl=https://head.example/rates.csv\nPublicKey=KEY\nIntervalMinutes=1.5\n"},
        ConfCase{"keyTwice", "[Feed]\nUrl=https://head.example/rates.csv\nUrl=https://evil.example/r.csv\nPublicKey=KEY\n"},
        ConfCase{"notKeyValue", "[Feed]\nUrl=https://head.example/rates.csv\nPublicKey=KEY\njunk\n"},
        ConfCase{"noFeedSection", "Url=https://head.example/rates.csv\nPublicKey=KEY\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FeedConfig, systemFileWinsWhereItExists)
{
    QTemporaryDir dir;
    QSettings user(dir.filePath(u"Tallyvane.ini"_s), QSettings::IniFormat);
    const QString system = dir.filePath(u"feed.conf"_s);
    const QByteArray key = world().ours.publicKeyFile().split('\n')[1];
    EXPECT_FALSE(readFeedConfig(user, system, false).configured());

    user.setValue(u"Feed/Url"_s, u"https://user.example/rates.csv"_s);
    user.setValue(u"Feed/PublicKey"_s, QString::fromLatin1(key));
    ASSERT_TRUE(readFeedConfig(user, system, false).config.has_value());
    EXPECT_EQ(readFeedConfig(user, system, false).config->url.host(), u"user.example"_s);

    QFile file(system);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Feed]\nUrl=https://head.example/rates.csv\nPublicKey=" + key + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const FeedConfigResult fromFile = readFeedConfig(user, system, false);
    ASSERT_TRUE(fromFile.config.has_value()) << fromFile.error.toStdString();
    EXPECT_EQ(fromFile.config->url.host(), u"head.example"_s);

    // A file that someone besides root could have written is not trusted.
    file.setPermissions(file.permissions() | QFile::WriteGroup);
    const FeedConfigResult untrusted = readFeedConfig(user, system, true);
    EXPECT_FALSE(untrusted.config.has_value());
    EXPECT_TRUE(untrusted.configured());
}

TEST(Publishers, monthIsNotZeroPadded)
{
    EXPECT_EQ(ukMonthlyUrl(2024, 3).toString(),
              u"https://www.trade-tariff.service.gov.uk/api/v2/exchange_rates/files/monthly_xml_2024-3.xml"_s);
    EXPECT_EQ(ukMonthlyUrl(2023, 12, u"https://mirror.example/{year}/{month}.xml"_s).toString(),
              u"https://mirror.example/2023/12.xml"_s);
    EXPECT_FALSE(ukMonthlyUrl(2024, 13).isValid());
    EXPECT_EQ(ecbDailyUrl().host(), u"www.ecb.europa.eu"_s);
}

} // namespace
