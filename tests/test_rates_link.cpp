// The packaged program reaches its rates through a link: the program folder
// holds Exchange.db -> /var/lib/tallyvane/Exchange.db, and only the folder of
// the real file is writable. The database writes its rollback journal beside
// the file it opened, so it must resolve the link first; these tests hold it
// to that, and check that a write that cannot make its journal changes nothing.

#include "tests/StoreFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

using namespace data;
using StoreFixtures::errorNumber;
using StoreFixtures::fileBytes;

namespace {

// Makes a folder read-only for this thread while it lives: mode 0555, with the
// modes applying even to root (ModesApply). Files in it stay readable and
// writable; only new files cannot be made there, as in a program folder owned
// by root.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& dir) : dir_(QFile::encodeName(dir))
    {
        struct stat st {};
        if (::stat(dir_.constData(), &st) != 0 || ::chmod(dir_.constData(), 0555) != 0) {
            why_ = "cannot change the folder's mode";
            return;
        }
        mode_ = st.st_mode & 07777;
        chmodded_ = true;
        modesApply_.emplace();
        const QByteArray probe = dir_ + "/.probe";
        if (::mkdir(probe.constData(), 0700) == 0) {
            ::rmdir(probe.constData());
            why_ = "the folder stays writable for this process";
            return;
        }
        ok_ = errno == EACCES || errno == EPERM;
        if (!ok_)
            why_ = "unexpected error making a file in the folder";
    }
    ~ReadOnlyFolder()
    {
        modesApply_.reset();
        if (chmodded_)
            ::chmod(dir_.constData(), mode_);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool ok() const { return ok_; }
    const char* why() const { return why_; }

private:
    QByteArray dir_;
    mode_t mode_ = 0755;
    bool chmodded_ = false;
    std::optional<StoreFixtures::ModesApply> modesApply_;
    bool ok_ = false;
    const char* why_ = "";
};

class ThroughLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("var")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("program")));
        createRatesDatabase(realPath(), TestSupport::sampleRates());
        ASSERT_TRUE(QFile::link(realPath(), linkPath()));
    }
    void TearDown() override
    {
        rs.Close();
        cn.Close();
    }

    QString realDir() const { return root.filePath(QStringLiteral("var")); }
    QString linkDir() const { return root.filePath(QStringLiteral("program")); }
    QString realPath() const { return realDir() + QStringLiteral("/Exchange.db"); }
    QString linkPath() const { return linkDir() + QStringLiteral("/Exchange.db"); }

    void openThroughLink()
    {
        cn.Open(linkPath());
        rs.Open(cn);
    }
    // The row as stored, read afresh through the real path.
    QString storedRate(const QString& country)
    {
        Connection other;
        other.Open(realPath());
        Recordset set;
        set.Open(other);
        set.FindCountry(country);
        return set.isEOF() ? QString() : set.Field(FieldRate);
    }
    static QStringList entries(const QString& dir)
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                   QDir::Name);
    }
    // A folder where the journal would go: the database cannot create its
    // journal file there, whoever runs the test (root included). A journal
    // found beside the file it opened would fail every read, so this also
    // shows where the database looks.
    static void blockJournal(const QString& dir)
    {
        ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("Exchange.db-journal")));
    }

    void writeJapanAndNewland()
    {
        rs.FindCountry(QStringLiteral("Japan"));
        rs.SetField(FieldRate, QStringLiteral("190"));
        EXPECT_EQ(errorNumber([&] { rs.Update(); }), 0);
        rs.AddNew();
        rs.SetField(FieldCountry, QStringLiteral("Newland"));
        rs.SetField(FieldUnit, QStringLiteral("Crown"));
        rs.SetField(FieldRate, QStringLiteral("3.5"));
        EXPECT_EQ(errorNumber([&] { rs.Update(); }), 0);
        EXPECT_EQ(storedRate(QStringLiteral("Japan")), QStringLiteral("190"));
        EXPECT_EQ(storedRate(QStringLiteral("Newland")), QStringLiteral("3.5"));
    }

    QTemporaryDir root;
    Connection cn;
    Recordset rs;
};

TEST_F(ThroughLink, theJournalOfAnOpenWriteIsBesideTheRealFileAndGoneAfterCommit)
{
    openThroughLink();
    sqlite3* db = cn.handle();
    ASSERT_EQ(sqlite3_exec(db, "BEGIN IMMEDIATE; UPDATE tblExchanges SET \"Exchange Rate\" = 2 WHERE Country = 'Japan';",
                           nullptr, nullptr, nullptr),
              SQLITE_OK)
        << sqlite3_errmsg(db);
    EXPECT_TRUE(QFileInfo::exists(realPath() + QStringLiteral("-journal")));
    EXPECT_EQ(entries(linkDir()), QStringList{QStringLiteral("Exchange.db")});
    ASSERT_EQ(sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr), SQLITE_OK);

    EXPECT_EQ(entries(realDir()), QStringList{QStringLiteral("Exchange.db")});
    EXPECT_EQ(entries(linkDir()), QStringList{QStringLiteral("Exchange.db")});
    EXPECT_TRUE(QFileInfo(linkPath()).isSymLink()) << "the link is kept, not replaced by a file";
    EXPECT_EQ(storedRate(QStringLiteral("Japan")), QStringLiteral("2"));
}

TEST_F(ThroughLink, aProgramFolderThatCannotHoldAJournalDoesNotStopWrites)
{
    blockJournal(linkDir());
    openThroughLink();
    writeJapanAndNewland();
}

TEST_F(ThroughLink, aReadOnlyProgramFolderDoesNotStopWrites)
{
    ReadOnlyFolder guard(linkDir());
    if (!guard.ok())
        GTEST_SKIP() << "cannot make the folder read-only here: " << guard.why();
    openThroughLink();
    writeJapanAndNewland();
}

// Every kind of write, when the real file's folder is read-only (a user
// outside the group tallyvane, say) so the journal cannot be made:
// the write fails as a DbError, the stored rates and the file's bytes stay as
// they were, and neither folder gains anything.
enum class Write { Edit, Add, Delete };

class FailedWriteThroughLink : public ThroughLink, public ::testing::WithParamInterface<Write> {};

TEST_P(FailedWriteThroughLink, leavesTheRatesAndBothFoldersAsTheyWere)
{
    openThroughLink();
    ReadOnlyFolder guard(realDir());
    if (!guard.ok())
        GTEST_SKIP() << "cannot make the folder read-only here: " << guard.why();
    const QByteArray before = fileBytes(realPath());
    const QStringList realBefore = entries(realDir());
    const QStringList linkBefore = entries(linkDir());

    long number = 0;
    switch (GetParam()) {
    case Write::Edit:
        rs.FindCountry(QStringLiteral("Japan"));
        rs.SetField(FieldRate, QStringLiteral("190"));
        number = errorNumber([&] { rs.Update(); });
        EXPECT_FALSE(rs.hasPendingChanges());
        break;
    case Write::Add:
        rs.AddNew();
        rs.SetField(FieldCountry, QStringLiteral("Newland"));
        rs.SetField(FieldRate, QStringLiteral("3.5"));
        number = errorNumber([&] { rs.Update(); });
        EXPECT_FALSE(rs.hasPendingChanges());
        break;
    case Write::Delete:
        rs.FindCountry(QStringLiteral("Japan"));
        number = errorNumber([&] { rs.Delete(); });
        break;
    }
    EXPECT_NE(number, 0) << "the write reported success";

    // Moving on commits nothing that was left over.
    rs.MoveFirst();
    rs.Close();
    cn.Close();

    EXPECT_EQ(fileBytes(realPath()), before);
    EXPECT_EQ(entries(realDir()), realBefore);
    EXPECT_EQ(entries(linkDir()), linkBefore);
    EXPECT_EQ(storedRate(QStringLiteral("Japan")), QStringLiteral("188.5"));
    EXPECT_TRUE(storedRate(QStringLiteral("Newland")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, FailedWriteThroughLink,
                         ::testing::Values(Write::Edit, Write::Add, Write::Delete),
                         [](const ::testing::TestParamInfo<Write>& info) {
                             switch (info.param) {
                             case Write::Edit: return "Edit";
                             case Write::Add: return "Add";
                             case Write::Delete: return "Delete";
                             }
                             return "Unknown";
                         });

} // namespace
