// Power cuts at every step of the journal's writes (tests/PowerLossVfs.h):
// after each, the journal opens, passes SQLite's own check, its chain is
// whole, and it holds exactly the entries it held before the write or after
// it; after it whenever the write had been reported done.

#include "tests/JournalFixtures.h"
#include "tests/PowerLossVfs.h"
#include "tests/StoreFixtures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>

#include <iostream>
#include <map>

using namespace data;
using namespace JournalFixtures;

namespace {

const QString kNoEntries = QStringLiteral("no entries");

// Every entry's number and hash (which covers all its fields), or what is wrong.
QString stateOf(const QString& path)
{
    if (!QFileInfo::exists(path) || QFileInfo(path).size() == 0)
        return kNoEntries;
    try {
        Journal journal(path);  // opening rolls back what a cut left half done
        const ChainCheck chain = journal.verifyChain();
        if (!chain.ok())
            return QStringLiteral("chain broken at entry %1").arg(*chain.firstMismatch);
        QString state;
        for (std::int64_t n = 1; const std::optional<JournalEntry> e = journal.entry(n); ++n)
            state += QString::number(n) + u' ' + QString::fromLatin1(e->hash) + u'\n';
        journal.close();
        if (const QString check = StoreFixtures::integrityCheck(path); check != u"ok")
            return QStringLiteral("integrity_check: ") + check;
        return state.isEmpty() ? kNoEntries : state;
    } catch (const DbError& e) {
        return QStringLiteral("does not open: ") + e.Description();
    }
}

void layOut(const ::PowerLoss::Files& files, const QString& folder)
{
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        ASSERT_TRUE(QFile::remove(QDir(folder).filePath(name)));
    for (const auto& [name, bytes] : files) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
}

QByteArray digest(const ::PowerLoss::Files& files)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const auto& [name, bytes] : files) {
        hash.addData(name.toUtf8());
        hash.addData(QByteArray::number(bytes.size()));
        hash.addData(bytes);
    }
    return hash.result();
}

Deal aDeal()
{
    return deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00");
}

struct Scenario {
    const char* name;
    int entriesBefore;  // recorded before the power is watched
    void (*write)(Journal& journal);
};

void PrintTo(const Scenario& scenario, std::ostream* os)
{
    *os << scenario.name;
}

const Scenario kScenarios[] = {
    {"JournalFirstDeal", 0, [](Journal& j) { j.recordDeal(aDeal()); }},
    {"JournalDeal", 3, [](Journal& j) { j.recordDeal(aDeal()); }},
    {"JournalVoid", 3, [](Journal& j) { j.recordVoid(2, QStringLiteral("keyed the wrong amount")); }},
};

#ifdef __SANITIZE_ADDRESS__
constexpr int kEveryCombinationUpTo = 6;
constexpr int kRandomChoices = 8;
#else
constexpr int kEveryCombinationUpTo = 8;
constexpr int kRandomChoices = 32;
#endif

class JournalPowerLoss : public ::testing::TestWithParam<Scenario> {};

TEST_P(JournalPowerLoss, everyCutLeavesTheEntriesAsBeforeOrAfterWithTheChainWhole)
{
    const Scenario& scenario = GetParam();
    QTemporaryDir folder, cut;
    ASSERT_TRUE(folder.isValid() && cut.isValid());
    const QString path = folder.filePath(QString::fromLatin1(JournalFileName));
    {
        Journal journal(path);
        for (int i = 0; i < scenario.entriesBefore; ++i)
            journal.recordDeal(aDeal());
    }
    const QString before = stateOf(path);

    ::PowerLoss::Recording recording(folder.path());
    std::size_t reported = 0;
    {
        Journal journal(path);
        scenario.write(journal);
        reported = recording.steps().size();
    }
    recording.stop();
    const QString after = stateOf(path);
    ASSERT_NE(before, after);
    ASSERT_GT(reported, 0u);

    QElapsedTimer timer;
    timer.start();
    std::map<QByteArray, QString> opened;
    int cuts = 0, failures = 0;
    ::PowerLoss::forEveryCut(recording, kEveryCombinationUpTo, kRandomChoices,
                             [&](std::size_t n, const std::string& kept, const ::PowerLoss::Files& files) {
        ++cuts;
        auto it = opened.find(digest(files));
        if (it == opened.end()) {
            layOut(files, cut.path());
            it = opened.emplace(digest(files), stateOf(cut.filePath(QString::fromLatin1(JournalFileName)))).first;
        }
        const bool done = n >= reported;
        if (it->second == after || (!done && it->second == before) || ++failures > 3)
            return;
        ADD_FAILURE() << scenario.name << ": power cut after step " << n << " of " << recording.steps().size()
                      << (n > 0 ? " (" + ::PowerLoss::describe(recording.steps()[n - 1]).toStdString() + ")" : "")
                      << (done ? ", the write reported done" : "") << "; unsynced pieces kept: "
                      << (kept.empty() ? "none pending" : kept) << "; found\n"
                      << (it->second == before ? "the journal as before the write" : it->second.toStdString());
    });
    EXPECT_EQ(failures, 0) << "cuts that broke the rule, of " << cuts;
    std::cout << "[ power    ] " << scenario.name << ": " << cuts << " cuts at " << recording.steps().size()
              << " steps (" << opened.size() << " distinct files opened), " << timer.elapsed() << " ms\n";
}

INSTANTIATE_TEST_SUITE_P(JournalWrites, JournalPowerLoss, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& info) { return info.param.name; });

} // namespace
