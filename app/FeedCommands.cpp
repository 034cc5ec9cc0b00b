#include "app/FeedCommands.h"

#include "app/Translations.h"
#include "data/DbError.h"
#include "data/Rates.h"
#include "data/RecordStore.h"
#include "feed/FeedApply.h"
#include "ratefiles/RateExport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QSettings>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace app {

namespace {

void say(const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

// The store as the window opens it; closed again when the command ends.
struct OpenStore {
    OpenStore()
    {
        data::cnRates.Open(data::databasePath());
        data::rsRates.Open(data::cnRates);
    }
    ~OpenStore()
    {
        data::rsRates.Close();
        data::cnRates.Close();
    }
};

feed::FeedRun fetchAndApply(const feed::FeedConfig& config)
{
    feed::HeadOfficeRunner runner(data::Rates::instance(), config);
    QEventLoop loop;
    QObject::connect(&runner, &feed::HeadOfficeRunner::ran, &loop, &QEventLoop::quit);
    runner.runNow();
    loop.exec();
    return runner.lastRun();
}

} // namespace

int updateRatesCommand()
{
    QSettings user(QSettings::IniFormat, QSettings::UserScope, u"Tallyvane"_s, u"Tallyvane"_s);
    const feed::FeedConfigResult config = feed::readFeedConfig(user);
    if (!config.configured()) {
        say(QCoreApplication::translate("FeedCommands", "No head office is configured: there is no %1 and no "
                                                        "head office in the user's settings.")
                .arg(QString::fromUtf16(feed::DefaultFeedConfPath)));
        return 1;
    }
    if (!config.config) {
        say(config.error);
        return 1;
    }
    try {
        const OpenStore store;
        const feed::FeedRun run = fetchAndApply(*config.config);
        if (run.outcome == feed::FeedOutcome::Refused) {
            say(run.message);
            return 1;
        }
        std::fputs(qPrintable(feed::feedStateLine(data::Rates::instance(), run) + u'\n'), stdout);
        return 0;
    } catch (const data::DbError& e) {
        say(e.Description());
        return 1;
    }
}

int exportRatesCommand(const QString& file)
{
    try {
        const OpenStore store;
        const data::Rates& rates = data::Rates::instance();
        const QString error = ratefiles::writeExportFile(file, rates.allRates(), rates.minimumCommission());
        if (!error.isEmpty()) {
            say(error);
            return 1;
        }
        return 0;
    } catch (const data::DbError& e) {
        say(e.Description());
        return 1;
    }
}

} // namespace app
