// Head office's feed and File > Update Rates in the running program, against
// a loopback HTTPS server: what is applied, and every refusal with its words
// and nothing changed.

#include "AppFixture.h"
#include "calculator/HeadOfficeLine.h"
#include "data/NumberText.h"
#include "data/Rates.h"
#include "data/TillSettings.h"
#include "feed/FeedApply.h"
#include "maintenance/frmImportRates.h"
#include "maintenance/frmUpdateRates.h"
#include "ratefiles/RateExport.h"
#include "tests/FeedFixtures.h"

#include <QFile>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>

using namespace Qt::StringLiterals;
using namespace feedtest;
using MaintenanceFixture::MaintenanceTest;

namespace {

constexpr qint64 Signed = 1800000000;
constexpr qint64 SmallCap = 1024 * 1024;

QString comment(qint64 at)
{
    return u"timestamp:%1\tfile:rates.csv"_s.arg(at);
}

// Head office's table: other rates, margins, notes and a minimum commission.
std::vector<data::RateRow> headOfficeRows()
{
    data::RateRow euro{u"France"_s, u"Euro"_s, 1.19, QDate(2026, 11, 30)};
    euro.code = u"EUR"_s;
    euro.buyMargin = 2.5;
    euro.sellMargin = 3;
    euro.smallestNote = *data::Money::fromText(u"5"_s);
    data::RateRow pound{u"Britain"_s, u"Pound"_s, 1, QDate(2026, 11, 30)};
    pound.code = u"GBP"_s;
    return {pound, euro};
}

QByteArray ukMonth()
{
    QFile file(QStringLiteral(TALLYVANE_IMPORT_DATA) + u"/uk-monthly-2020-01.xml"_s);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

struct World {
    QTemporaryDir dir;
    TestAuthority trusted = TestAuthority::make(dir.filePath(u"trusted"_s));
    TestAuthority unknown = TestAuthority::make(dir.filePath(u"unknown"_s));
    LoopbackHttps server{trusted};
    LoopbackHttps stranger{unknown};
    Signer ours = Signer::make(dir.filePath(u"ours"_s));
    Signer theirs = Signer::make(dir.filePath(u"theirs"_s));
    QByteArray rates = ratefiles::exportCsv(headOfficeRows(), *data::Money::fromText(u"2.50"_s));

    World()
    {
        serve(u"/good.csv"_s, rates, ours.sign(rates, comment(Signed)));
        serve(u"/tampered.csv"_s, QByteArray(rates).replace("1.19", "1.91"), ours.sign(rates, comment(Signed)));
        serve(u"/otherkey.csv"_s, rates, theirs.sign(rates, comment(Signed)));
        serve(u"/older.csv"_s, rates, ours.sign(rates, comment(Signed - 3600)));
        server.route(u"/cut.csv"_s, Route{.kind = Route::Kind::Cut, .body = rates});
        server.route(u"/cut.csv.minisig"_s, Route{.body = ours.sign(rates, comment(Signed))});
        server.route(u"/redirect.csv.minisig"_s,
                     Route{.kind = Route::Kind::Redirect, .location = "http://127.0.0.1:1/rates.csv.minisig"});
        server.route(u"/silent.csv.minisig"_s, Route{.kind = Route::Kind::Silent});
        server.route(u"/silent.xml"_s, Route{.kind = Route::Kind::Silent});
        server.route(u"/endless.xml"_s, Route{.kind = Route::Kind::Endless});
        server.route(u"/junk.xml"_s, Route{.body = "<html>Not here</html>"});
        server.route(u"/ecb.xml"_s, Route{.body = ecbDaily()});
        stranger.route(u"/ecb.xml"_s, Route{.body = ecbDaily()});
    }

    static QByteArray ecbDaily()
    {
        QFile file(QStringLiteral(TALLYVANE_IMPORT_DATA) + u"/ecb-daily-2022-04-29.xml"_s);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    void serve(const QString& path, const QByteArray& body, const QByteArray& minisig)
    {
        server.route(path, Route{.body = body});
        server.route(path + u".minisig"_s, Route{.body = minisig});
    }

    feed::FetchOptions options() const
    {
        return feed::FetchOptions{.maxBytes = SmallCap, .timeLimit = std::chrono::milliseconds(1500),
                                  .ssl = trusted.clientConfig()};
    }
};

World& world()
{
    static World* w = new World;  // outlives the tests; the process ends it
    return *w;
}

void userSetting(const QString& key, const QVariant& value)
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, u"Tallyvane"_s, u"Tallyvane"_s).setValue(key, value);
}

std::vector<std::string> fullRows()
{
    std::vector<std::string> rows;
    for (const data::RateRow& r : data::Rates::instance().allRates())
        rows.push_back(TestSupport::str(u"%1|%2|%3|%4|%5|%6|%7|%8"_s.arg(r.country, r.unit, data::numberText(r.rate),
                                                                          r.updated.toString(Qt::ISODate), r.code)
                                            .arg(r.buyMargin)
                                            .arg(r.sellMargin)
                                            .arg(r.smallestNote.toText())));
    return rows;
}

struct HeadCase {
    const char* name;
    const char* path;
    const char* words;  // in the line once the fetch has ended
    bool applied = false;
};

class HeadOfficeWindowTest : public MaintenanceTest, public ::testing::WithParamInterface<HeadCase> {
protected:
    void TearDown() override
    {
        calculator::setHeadOfficeSeams(std::nullopt);
        MaintenanceTest::TearDown();
    }
};

TEST_P(HeadOfficeWindowTest, appliesHeadOfficesFileWholeOrSaysWhyNot)
{
    const HeadCase& c = GetParam();
    createDatabase(TestSupport::plainRates());
    {
        data::Connection connection;
        connection.Open(dbPath());
        data::writeSetting(connection, feed::SettingFeedSigned, QString::number(Signed - 1));
    }
    userSetting(u"Feed/Url"_s, world().server.url(QString::fromLatin1(c.path)).toString());
    userSetting(u"Feed/PublicKey"_s, QString::fromLatin1(world().ours.publicKeyFile().split('\n')[1]));
    calculator::setHeadOfficeSeams(calculator::HeadOfficeSeams{world().options(), dir.filePath(u"none.conf"_s)});
    ASSERT_TRUE(app::Start());
    const std::vector<std::string> before = fullRows();
    auto* line = frmHUD::instance().findChild<QLabel*>(u"lblHeadOffice"_s);
    ASSERT_NE(line, nullptr);
    // The line may be shortened; its tooltip and accessible name are whole.
    for (int i = 0; i < 300 && !line->toolTip().contains(QString::fromUtf8(c.words)); ++i)
        QTest::qWait(50);
    EXPECT_TRUE(line->toolTip().contains(QString::fromUtf8(c.words))) << line->toolTip().toStdString();
    EXPECT_EQ(line->accessibleName(), line->toolTip());
    for (const char* hand : {"mnuFileAddRates", "mnuFileEditRates", "mnuFileDeleteRates", "mnuFileImportRates",
                             "mnuFileUpdateRates"})
        EXPECT_FALSE(frmHUD::instance().findChild<QAction*>(QString::fromLatin1(hand))->isEnabled()) << hand;

    if (c.applied) {
        EXPECT_EQ(fullRows(), (std::vector<std::string>{"Britain|Pound|1|2026-11-30|GBP|0|0|0.00",
                                                        "France|Euro|1.19|2026-11-30|EUR|2.5|3|5.00"}));
        EXPECT_EQ(data::Rates::instance().minimumCommission().toText(), u"2.50"_s);
        EXPECT_EQ(feed::lastAppliedTimestamp(data::Rates::instance()), Signed);
        EXPECT_TRUE(line->toolTip().contains(u"30 Nov 2026"_s)) << line->toolTip().toStdString();
        EXPECT_FALSE(line->toolTip().contains(u"Nothing was changed"_s));
    } else {
        EXPECT_EQ(fullRows(), before);
        EXPECT_EQ(feed::lastAppliedTimestamp(data::Rates::instance()), Signed - 1);
        EXPECT_TRUE(line->toolTip().contains(u"Nothing was changed"_s)) << line->toolTip().toStdString();
    }
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Loopback, HeadOfficeWindowTest,
    ::testing::Values(
        HeadCase{"good", "/good.csv", "the rates are of", true},
        HeadCase{"tampered", "/tampered.csv", "does not match its signature"},
        HeadCase{"otherKey", "/otherkey.csv", "another key"},
        HeadCase{"older", "/older.csv", "not after the rates applied last"},
        HeadCase{"cutShort", "/cut.csv", "cut short"},
        HeadCase{"plainHttpRedirect", "/redirect.csv", "not https"},
        HeadCase{"neverAnswers", "/silent.csv", "did not come in time"}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------ Update Rates

struct UpdateCase {
    const char* name;
    const char* pattern;  // the monthly address, {year} and {month} in it
    bool daily = false;
    const char* words = nullptr;  // the message; none: the preview comes
    bool stranger = false;
};

class UpdateRatesTest : public MaintenanceTest, public ::testing::WithParamInterface<UpdateCase> {
protected:
    void SetUp() override
    {
        MaintenanceTest::SetUp();
        maintenance::setUpdateFetchOptions(world().options());
        // No head office, whatever this machine's settings.
        calculator::setHeadOfficeSeams(calculator::HeadOfficeSeams{world().options(), dir.filePath(u"none.conf"_s)});
    }
    void TearDown() override
    {
        maintenance::setUpdateFetchOptions(std::nullopt);
        calculator::setHeadOfficeSeams(std::nullopt);
        MaintenanceTest::TearDown();
    }

    // Runs the command: the dialog fetches, a preview that follows imports
    // everything; a dialog left open after a message is closed.
    bool update(bool daily)
    {
        auto previewed = std::make_shared<bool>(false);
        auto fetching = std::make_shared<bool>(false);
        const size_t messagesBefore = messages.size();
        QTimer poller;
        QObject::connect(&poller, &QTimer::timeout, [&, previewed, fetching, daily] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* d = qobject_cast<frmUpdateRates*>(modal)) {
                auto* bar = d->findChild<QProgressBar*>(u"prgFetch"_s);
                if (!*fetching) {
                    *fetching = true;
                    d->findChild<QRadioButton*>(daily ? u"optDaily"_s : u"optMonthly"_s)->setChecked(true);
                    QTest::mouseClick(d->findChild<QPushButton*>(u"cmdFetch"_s), Qt::LeftButton);
                } else if (!bar->isVisible() && messages.size() > messagesBefore) {
                    d->reject();
                }
            } else if (auto* p = qobject_cast<frmImportRates*>(modal); p && !*previewed) {
                *previewed = true;
                QTest::mouseClick(p->cmdTickAll, Qt::LeftButton);
                QTest::mouseClick(p->cmdImport, Qt::LeftButton);
            }
        });
        poller.start(10);
        trigger("mnuFileUpdateRates");
        return *previewed;
    }
};

TEST_P(UpdateRatesTest, fetchesIntoThePreviewOrSaysWhyNot)
{
    const UpdateCase& c = GetParam();
    const QDate today = QDate::currentDate();
    const QDate last = today.addMonths(-1);
    world().server.route(u"/month-%1-%2.xml"_s.arg(today.year()).arg(today.month()), Route{.body = ukMonth()});
    world().server.route(u"/late-%1-%2.xml"_s.arg(last.year()).arg(last.month()), Route{.body = ukMonth()});
    const QString pattern = QString::fromLatin1(c.pattern);
    userSetting(u"Publishers/UkMonthly"_s, pattern.startsWith(u"https:"_s)
                                              ? pattern
                                              : u"https://127.0.0.1:%1"_s.arg(world().server.serverPort()) + pattern);
    userSetting(u"Publishers/EcbDaily"_s, (c.stranger ? world().stranger : world().server).url(u"/ecb.xml"_s).toString());
    startProgram();
    const std::vector<std::string> before = storedRows();
    answers.push_back(widgets::MsgBoxResult::Yes);  // the previous month, when offered

    const bool previewed = update(c.daily);
    if (!c.words) {
        EXPECT_TRUE(previewed);
        EXPECT_NE(storedRows(), before);
        return;
    }
    EXPECT_FALSE(previewed);
    EXPECT_EQ(storedRows(), before);
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back().prompt.contains(QString::fromUtf8(c.words))) << messages.back().prompt.toStdString();
    EXPECT_TRUE(messages.back().prompt.endsWith(u"Nothing was imported."_s)) << messages.back().prompt.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Loopback, UpdateRatesTest,
    ::testing::Values(
        UpdateCase{.name = "thisMonth", .pattern = "/month-{year}-{month}.xml"},
        UpdateCase{.name = "notPublishedThePreviousOffered", .pattern = "/late-{year}-{month}.xml"},
        UpdateCase{.name = "daily", .pattern = "/x", .daily = true},
        UpdateCase{.name = "certificateNotVerified", .pattern = "/x", .daily = true, .words = "cannot prove who it is",
                   .stranger = true},
        UpdateCase{.name = "overTheCap", .pattern = "/endless.xml", .words = "larger than a rate file may be"},
        UpdateCase{.name = "neverAnswers", .pattern = "/silent.xml", .words = "did not come in time"},
        UpdateCase{.name = "notARateFile", .pattern = "/junk.xml", .words = "junk.xml"},
        UpdateCase{.name = "noNetwork", .pattern = "https://127.0.0.1:1/{year}-{month}.xml", .words = "cannot be reached"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
