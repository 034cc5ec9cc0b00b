// Power cuts at every step of the store's writes (tests/PowerLossVfs.h): after
// each, the rates file opens as the program opens it, passes SQLite's own check,
// and holds exactly what it held before the write or after it; after it
// whenever the write had been reported done.

#include "data/RateWrites.h"
#include "data/TillSettings.h"
#include "ratefiles/RateFile.h"
#include "ratefiles/RateImportPlan.h"
#include "ratefiles/SeedFile.h"
#include "tests/PowerLossVfs.h"
#include "tests/StoreFixtures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <iostream>
#include <map>
#include <optional>
#include <random>

using namespace data;
using namespace ratefiles;
using namespace StoreFixtures;
using TestSupport::sampleRates;

namespace {

const QString kNoFile = QStringLiteral("no rates file");
const QString kEmptyFile = QStringLiteral("an empty file");

// The layout and every value exactly as stored, or why the file cannot be read.
QString stateOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return kNoFile;
    if (info.size() == 0)
        return kEmptyFile;
    // Opened as the program opens it; that rolls back a journal the cut left.
    Connection cn;
    try {
        cn.Open(path);
        Recordset rs;
        rs.Open(cn);
    } catch (const DbError& e) {
        // Rolling back the first write of a new file leaves it empty.
        if (QFileInfo(path).size() == 0)
            return kEmptyFile;
        return QStringLiteral("does not open: ") + e.Description();
    }
    QString state;
    for (const char* sql : {"PRAGMA integrity_check", "PRAGMA user_version",
                            "SELECT sql FROM sqlite_master ORDER BY name", "SELECT rowid, * FROM tblExchanges",
                            "SELECT * FROM tblSettings"}) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(cn.handle(), sql, -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                if (sqlite3_column_type(stmt, i) == SQLITE_FLOAT)
                    state += QString::number(sqlite3_column_double(stmt, i), 'g', 17);
                else if (sqlite3_column_type(stmt, i) == SQLITE_NULL)
                    state += QStringLiteral("NULL");
                else
                    state += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                               sqlite3_column_bytes(stmt, i));
                state += u'|';
            }
            state += u'\n';
        }
        sqlite3_finalize(stmt);
        if (!state.startsWith(u"ok|"))
            return QStringLiteral("integrity_check: ") + state;
    }
    return state;
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

// ------------------------------------------------------------ the writes

void sampleFile(const QString& path)
{
    createRatesDatabase(path, sampleRates());
}

void seedFile(const QString& path)
{
    createRatesDatabase(path, readSeedCsv(QStringLiteral(TALLYVANE_SEED_CSV)));
}

void firstLayoutFile(const QString& path)
{
    createUnnumberedFile(path, sampleRates());
}

void secondLayoutFile(const QString& path)
{
    std::vector<RateRow> rows = sampleRates();
    rows[3].updated = QDate(2024, 3, 1);
    createSecondLayoutFile(path, rows);
}

void noFile(const QString&) {}

// The file the write goes to, opened as the windows open it unless the write
// makes the file.
struct Live {
    QString path;
    Connection cn;
    Recordset rs;
};

void add(Live& live)
{
    live.rs.AddNew();
    live.rs.SetField(FieldCountry, QStringLiteral("Norway"));
    live.rs.SetField(FieldUnit, QStringLiteral("Krone"));
    live.rs.SetField(FieldRate, QStringLiteral("13.2"));
    live.rs.Update();
}

void edit(Live& live)
{
    live.rs.FindCountry(QStringLiteral("Japan"));
    live.rs.SetField(FieldRate, QStringLiteral("190.25"));
    live.rs.SetField(FieldUnit, QStringLiteral("Yen"));
    live.rs.Update();
}

void remove(Live& live)
{
    live.rs.FindCountry(QStringLiteral("France"));
    live.rs.Delete();
}

// Every change the monthly file proposes, ticked: updates and new countries.
void importMonthly(Live& live)
{
    const RateFileResult file = readRateFile(QStringLiteral(TALLYVANE_IMPORT_DATA "/uk-monthly-2020-01.csv"));
    ASSERT_TRUE(file.ok()) << file.error.toStdString();
    ImportPlan plan = planImport(*file.file, readAllRates(live.cn));
    for (RateChange& change : plan.changes)
        change.ticked = true;
    applyRateWrites(live.cn, ratesToWrite(plan.changes));
}

void setMinimumCommission(Live& live)
{
    writeMinimumCommission(live.cn, Money::fromHundredths(250));
}

// Head office's table: every row replaced, settings beside it, in one write.
void replaceAll(Live& live)
{
    RateRow euro{QStringLiteral("France"), QStringLiteral("Euro"), 1.19, QDate(2026, 11, 30)};
    euro.code = QStringLiteral("EUR");
    euro.buyMargin = 2.5;
    euro.smallestNote = Money::fromHundredths(500);
    replaceAllRates(live.cn, {RateRow{QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0, QDate(2026, 11, 30)}, euro},
                    {{QStringLiteral("Minimum Commission"), QStringLiteral("2.50")},
                     {QStringLiteral("Head Office Signed"), QStringLiteral("1800000000")}});
}

void create(Live& live)
{
    createRatesDatabase(live.path, sampleRates());
}

struct Scenario {
    const char* name;
    void (*setUp)(const QString& path);  // taken as synced
    void (*write)(Live& live);
    // The file is made at its name before it is written, so a cut before the
    // report may leave it empty: that counts as no file.
    bool makesFile;
};

// Names the write in test names and messages, not its bytes.
void PrintTo(const Scenario& scenario, std::ostream* os)
{
    *os << scenario.name;
}

const Scenario kScenarios[] = {
    {"Add", sampleFile, add, false},
    {"Edit", sampleFile, edit, false},
    {"Delete", sampleFile, remove, false},
    {"ImportMonthly", seedFile, importMonthly, false},
    // The first write to a file of the first layout brings it up to date in the same transaction.
    {"UpgradeFirstLayout", firstLayoutFile, edit, false},
    {"UpgradeSecondLayout", secondLayoutFile, edit, false},
    // A till setting is a first write too.
    {"MinimumCommissionUpgradesFirstLayout", firstLayoutFile, setMinimumCommission, false},
    {"ReplaceAllFromHeadOffice", seedFile, replaceAll, false},
    {"ReplaceAllUpgradesFirstLayout", firstLayoutFile, replaceAll, false},
    {"CreateFile", noFile, create, true},
};

// At each step, every combination of the unsynced pieces surviving when there
// are this few, else none, all and a number of random choices. Opening a file
// costs its key derivation, a few milliseconds (several times that under
// AddressSanitizer, whose build makes fewer cuts); cuts that leave the same
// bytes as one already opened share its result.
#ifdef __SANITIZE_ADDRESS__
constexpr int kEveryCombinationUpTo = 6;
constexpr int kRandomChoices = 8;
#else
constexpr int kEveryCombinationUpTo = 8;
constexpr int kRandomChoices = 32;
#endif

class PowerLoss : public ::testing::TestWithParam<Scenario> {};

TEST_P(PowerLoss, everyCutLeavesTheTableAsBeforeOrAfterAndAfterOnceReported)
{
    const Scenario& scenario = GetParam();
    QTemporaryDir folder, cut;
    ASSERT_TRUE(folder.isValid() && cut.isValid());
    const QString path = folder.filePath(QString::fromLatin1(DatabaseFileName));
    scenario.setUp(path);
    const QString before = stateOf(path);

    ::PowerLoss::Recording recording(folder.path());
    std::size_t reported = 0;
    {
        Live store{path, {}, {}};
        if (!scenario.makesFile) {
            store.cn.Open(path);
            store.rs.Open(store.cn);
        }
        scenario.write(store);
        reported = recording.steps().size();
    }
    recording.stop();
    const std::vector<::PowerLoss::Step>& steps = recording.steps();
    const QString after = stateOf(path);
    ASSERT_NE(before, after);
    ASSERT_GT(reported, 0u);

    QElapsedTimer timer;
    timer.start();
    std::map<QByteArray, QString> opened;
    int cuts = 0, failures = 0;
    for (std::size_t n = 0; n <= steps.size(); ++n) {
        const int pieces = recording.unsyncedPieces(n);
        const bool every = pieces <= kEveryCombinationUpTo;
        const int choices = every ? 1 << pieces : 2 + kRandomChoices;
        for (int choice = 0; choice < choices; ++choice) {
            std::mt19937 random(static_cast<std::uint32_t>(n * 1000 + static_cast<std::size_t>(choice)));
            std::string kept;
            const ::PowerLoss::Files files = recording.cutAt(n, [&](int piece) {
                const bool keep = every ? (choice >> piece) & 1 : choice == 1 || (choice > 1 && (random() & 1u));
                kept += keep ? '1' : '0';
                return keep;
            });
            ++cuts;
            const QByteArray key = digest(files);
            auto it = opened.find(key);
            if (it == opened.end()) {
                ASSERT_NO_FATAL_FAILURE(layOut(files, cut.path()));
                it = opened.emplace(key, stateOf(cut.filePath(QString::fromLatin1(DatabaseFileName)))).first;
            }
            QString found = it->second;
            if (scenario.makesFile && found == kEmptyFile)
                found = kNoFile;
            const bool done = n >= reported;
            if (found == after || (!done && found == before))
                continue;
            if (++failures > 3)
                continue;
            ADD_FAILURE() << scenario.name << ": power cut after step " << n << " of " << steps.size()
                          << (n > 0 ? " (" + ::PowerLoss::describe(steps[n - 1]).toStdString() + ")" : std::string())
                          << (done ? ", the write reported done" : "") << "; unsynced pieces kept: "
                          << (kept.empty() ? "none pending" : kept) << "; found\n"
                          << (found == before ? "the table as before the write" : found.toStdString());
        }
    }
    EXPECT_EQ(failures, 0) << "cuts that broke the rule, of " << cuts;
    std::cout << "[ power    ] " << scenario.name << ": " << cuts << " cuts at " << steps.size() << " steps ("
              << opened.size() << " distinct files opened), " << timer.elapsed() << " ms\n";
}

INSTANTIATE_TEST_SUITE_P(StoreWrites, PowerLoss, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& info) { return info.param.name; });

} // namespace
