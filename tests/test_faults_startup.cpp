// Start-up on damaged rates files and on damaged settings files.

#include "AppFixture.h"

#include "tests/StoreFixtures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>

#include <sys/stat.h>

#include <functional>

using AppFixture::ProgramTest;
using AppFixture::ctl;
using namespace StoreFixtures;

namespace {

QByteArray randomBytes(qsizetype n, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray bytes(n, '\0');
    for (char& c : bytes)
        c = static_cast<char>(rng.bounded(256));
    return bytes;
}

// Bytes of a literal, NULs included.
template <std::size_t N>
QByteArray literal(const char (&s)[N])
{
    return QByteArray(s, N - 1);
}

std::vector<data::RateRow> manyRows(int n)
{
    std::vector<data::RateRow> rows;
    for (int i = 0; i < n; ++i)
        rows.push_back({QStringLiteral("Country %1").arg(i), QStringLiteral("Unit %1").arg(i), 1.0 + i});
    return rows;
}

// Everything in the program folder but the settings, with what each entry is
// and holds: the test's proof that nothing was written, renamed or left behind.
QStringList folderSnapshot(const QString& folder)
{
    QStringList out;
    const auto entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                    QDir::Name);
    for (const QFileInfo& info : entries) {
        if (info.fileName() == QStringLiteral("config"))
            continue;
        struct stat st {};
        ::lstat(QFile::encodeName(info.filePath()).constData(), &st);
        QString line = info.fileName() + QStringLiteral(" mode=%1").arg(st.st_mode, 0, 8);
        if (S_ISREG(st.st_mode))
            line += QStringLiteral(" size=%1 sha1=").arg(st.st_size)
                + QString::fromLatin1(
                    QCryptographicHash::hash(fileBytes(info.filePath()), QCryptographicHash::Sha1).toHex());
        if (S_ISDIR(st.st_mode))
            line += QStringLiteral(" entries=%1").arg(QDir(info.filePath()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
        out << line;
    }
    return out;
}

// ------------------------------------------------------- damaged rates files

struct DamagedFile {
    const char* name;
    std::function<void(const QString& path)> make;
};

void PrintTo(const DamagedFile& d, std::ostream* os)
{
    *os << d.name;
}

class DamagedRatesFile : public ProgramTest, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedRatesFile, givesTheConnectionDialogAndIsLeftExactlyAsItWas)
{
    GetParam().make(dbPath());
    const QStringList before = folderSnapshot(dir.path());
    // Only a regular file is read: opening a pipe would wait for a writer.
    const bool regular = QFileInfo(dbPath()).isFile() && !QFileInfo(dbPath()).isSymLink();
    const QByteArray bytesBefore = regular ? fileBytes(dbPath()) : QByteArray();

    frmHUD& hud = startProgram();
    ASSERT_GE(messages.size(), 1u);
    const QString expected = connectionDialogStart();
    EXPECT_TRUE(messages[0].prompt.startsWith(expected)) << messages[0].prompt.toStdString();
    EXPECT_GT(messages[0].prompt.size(), expected.size()) << "the description says what is wrong";
    EXPECT_EQ(messages[0].title, QStringLiteral("Save Error"));
    EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::Critical);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].prompt, QStringLiteral("There were errors while trying to fill the countries lists."));
    EXPECT_TRUE(hud.isVisible());
    EXPECT_EQ(ctl(hud).lstCountries[0]->count(), 0);
    EXPECT_EQ(ctl(hud).lstCountries[1]->count(), 0);

    hud.close();  // the closing steps must not touch the file either
    EXPECT_FALSE(data::cnRates.isOpen());
    EXPECT_EQ(folderSnapshot(dir.path()), before);
    if (regular) {
        EXPECT_EQ(fileBytes(dbPath()), bytesBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedRatesFile,
    ::testing::Values(
        DamagedFile{"truncatedMidPage",
                    [](const QString& p) {
                        data::createRatesDatabase(p, manyRows(300));
                        writeBytes(p, fileBytes(p).left(fileBytes(p).size() * 2 / 3 + 7));
                    }},
        DamagedFile{"lastPageCutOff",
                    [](const QString& p) {
                        data::createRatesDatabase(p, manyRows(300));
                        writeBytes(p, fileBytes(p).chopped(1024));
                    }},
        DamagedFile{"only100Bytes",
                    [](const QString& p) {
                        data::createRatesDatabase(p, TestSupport::trickyRates());
                        writeBytes(p, fileBytes(p).left(100));
                    }},
        DamagedFile{"randomBytes", [](const QString& p) { writeBytes(p, randomBytes(16384, 7)); }},
        DamagedFile{"plainSqlite",
                    [](const QString& p) {
                        ASSERT_EQ(rawExec(p,
                                          "CREATE TABLE tblExchanges(Country TEXT, \"Monetery Unit\" TEXT, "
                                          "\"Exchange Rate\" REAL); INSERT INTO tblExchanges VALUES('Britain','Pound',1);",
                                          false),
                                  SQLITE_OK);
                    }},
        DamagedFile{"emptyFile", [](const QString& p) { writeBytes(p, {}); }},
        // Made by a newer release: refused unread (the description says so), never upgraded down.
        DamagedFile{"newerLayout",
                    [](const QString& p) {
                        data::createRatesDatabase(p, TestSupport::plainRates());
                        ASSERT_EQ(rawExec(p, "PRAGMA user_version = 4;"), SQLITE_OK);
                    }},
        DamagedFile{"otherPassword", [](const QString& p) { ASSERT_EQ(StoreFixtures::writeOtherKeyFile(p), SQLITE_OK); }},
        DamagedFile{"directory", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }},
        DamagedFile{"directoryWithAFileInside",
                    [](const QString& p) {
                        ASSERT_TRUE(QDir().mkpath(p));
                        writeBytes(p + QStringLiteral("/keep"), "x");
                    }},
        // Opening a pipe for reading would block the program forever.
        DamagedFile{"namedPipe",
                    [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0644), 0); }},
        DamagedFile{"danglingSymlink",
                    [](const QString& p) { ASSERT_TRUE(QFile::link(p + QStringLiteral(".gone"), p)); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Pages damaged after the first: the schema still reads, so the damage shows
// only when the rows are read. Either dialog may come; nothing may crash,
// nothing may be written.
TEST_F(ProgramTest, aFileDamagedAfterItsFirstPageReportsAndIsLeftAsItWas)
{
    data::createRatesDatabase(dbPath(), manyRows(400));
    QByteArray bytes = fileBytes(dbPath());
    bytes.replace(bytes.size() / 2, bytes.size() / 4, randomBytes(bytes.size() / 4, 11));
    writeBytes(dbPath(), bytes);
    const QStringList before = folderSnapshot(dir.path());

    frmHUD& hud = startProgram();
    EXPECT_GE(messages.size(), 1u);
    EXPECT_TRUE(hud.isVisible());
    // Choosing countries, whatever the lists hold, reports rather than crashes.
    for (int i = 0; i < ctl(hud).lstCountries[0]->count(); i += 37)
        ctl(hud).lstCountries[0]->setCurrentRow(i);
    hud.close();
    EXPECT_EQ(folderSnapshot(dir.path()), before);
}

// ------------------------------------------------------ damaged settings files

struct SettingsCase {
    const char* name;
    QByteArray ini;         // the file's bytes
    const char* com;        // what the commission box shows
    QPoint pos;             // where the window opens
    const char* convertFrom = "";  // the Convert From list's choice
};

void PrintTo(const SettingsCase& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedSettingsFile : public ProgramTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(DamagedSettingsFile, startsWithDefaultsWhereAValueIsUnusable)
{
    createDatabase();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settingsFile()).path()));
    writeBytes(settingsFile(), GetParam().ini);

    frmHUD& hud = startProgram();
    EXPECT_TRUE(messages.empty()) << messages.front().prompt.toStdString();
    EXPECT_TRUE(hud.isVisible());
    EXPECT_EQ(ctl(hud).txtCom->text().toStdString(), GetParam().com);
    EXPECT_EQ(hud.pos(), GetParam().pos);
    EXPECT_EQ(ctl(hud).selected(0).toStdString(), GetParam().convertFrom);

    // Closing writes a sound file over the damaged one.
    const QString com = ctl(hud).txtCom->text();
    hud.close();
    EXPECT_EQ(savedSetting(QStringLiteral("Com")).toString(), com);
    EXPECT_EQ(savedSetting(QStringLiteral("Left")).toString(), QString::number(GetParam().pos.x() * 15));
}

const QPoint DefaultPos(7, 7);  // 105 twips

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedSettingsFile,
    ::testing::Values(
        SettingsCase{"empty", QByteArray(), "0", DefaultPos},
        SettingsCase{"randomBytes", randomBytes(4096, 3), "0", DefaultPos},
        SettingsCase{"randomBytesAfterTheSection", "[Defaults]\n" + randomBytes(4096, 5), "0", DefaultPos},
        SettingsCase{"brokenLines",
                     literal("[Defaults\nCom\n=\n==3\n[[[]]]\nTop=\xff\xfe\x80\nLeft=\0\0\0\n"), "0",
                     DefaultPos},
        SettingsCase{"hugeNumbers",
                     "[Defaults]\nCom=1e400\nTop=1e30\nLeft=123456789012345678901234567890123456789\n", "0",
                     DefaultPos},
        SettingsCase{"hugeButReadableCommission", "[Defaults]\nCom=1e300\n", "1E+300", DefaultPos},
        SettingsCase{"veryLongValues",
                     "[Defaults]\nCom=" + QByteArray(1 << 20, '9') + "\nConvertTo=" + QByteArray(100000, 'x')
                         + "\nTop=" + QByteArray(100000, '1') + "\n",
                     "0", DefaultPos, "Zeroland"},  // no such country: the walk ends on the last item
        SettingsCase{"bothNegativePartlyOnScreen", "[Defaults]\nTop=-15\nLeft=-30\n", "0", QPoint(-2, -1)},
        SettingsCase{"bothNegativeOffScreen", "[Defaults]\nTop=-9000000\nLeft=-9000000\n", "0", DefaultPos},
        SettingsCase{"geometryTypes", "[Defaults]\nTop=@Rect(1 2 3 4)\nLeft=@Size(5 6)\nCom=@Point(7 8)\n", "0",
                     DefaultPos},
        SettingsCase{"variantBlobs",
                     // A QDateTime, a type no program knows, and one cut short.
                     QByteArray("[Defaults]\nCom=@Variant(\\0\\0\\0\\x10\\0\\0\\0\\0\\0\\0\\0\\0\\0\\x1)\n"
                                "Top=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x11NoSuchTypeAnywhere\\0\\0\\0\\0\\x1)\n"
                                "Left=@Variant(\\0\\0)\nConvertTo=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff\\xff)\n"),
                     "0", DefaultPos},
        SettingsCase{"listsAndByteArrays",
                     "[Defaults]\nCom=1, 2\nTop=@ByteArray(\\0\\x1)\nLeft=\"1500\", \"3000\"\nConvertTo=Testland, Twoland\n",
                     "0", DefaultPos, "Zeroland"},
        // Some editors start a UTF-8 file with a byte-order mark.
        SettingsCase{"byteOrderMark", "\xef\xbb\xbf[Defaults]\nCom=2\n", "2", DefaultPos},
        SettingsCase{"otherSectionsOnly", "[defaults]\nCom=5\n[General]\nCom=6\nTop=1500\n", "0", DefaultPos}),
    [](const auto& info) { return std::string(info.param.name); });

// Settings that cannot be written at all: start-up and closing go on.
class UnwritableSettingsPlace : public ProgramTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnwritableSettingsPlace, startAndCloseGoOn)
{
    createDatabase();
    const QString blocked = QString::fromLatin1(GetParam()) == QStringLiteral("fileIsAFolder")
        ? settingsFile()
        : QFileInfo(settingsFile()).path();
    if (blocked == settingsFile())
        ASSERT_TRUE(QDir().mkpath(blocked));
    else {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(blocked).path()));
        writeBytes(blocked, "not a folder");
    }
    frmHUD& hud = startProgram();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ctl(hud).txtCom->text(), QStringLiteral("0"));
    ctl(hud).txtCom->setText(QStringLiteral("2"));
    hud.close();
    EXPECT_FALSE(data::cnRates.isOpen());
    EXPECT_EQ(QFileInfo(settingsFile()).isDir(), blocked == settingsFile());
}

INSTANTIATE_TEST_SUITE_P(Faults, UnwritableSettingsPlace, ::testing::Values("fileIsAFolder", "folderIsAFile"));

} // namespace
