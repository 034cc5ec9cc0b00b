// Export onto a file system of the test's own that runs out of room, or whose
// folder allows no new file: the old export must stay byte for byte, nothing
// may be left beside it, and the message must give the system's reason.

#include "StoreFixtures.h"

#include "ratefiles/RateExport.h"

#include <QDir>

#include <sys/mount.h>
#include <sys/statvfs.h>

using namespace Qt::StringLiterals;

namespace {

std::vector<data::RateRow> manyRates(int count)
{
    std::vector<data::RateRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({u"Country %1"_s.arg(i), u"Unit"_s, 1.25 + i, QDate(2024, 5, 1)});
    return rows;
}

qint64 freeBytes(const QString& folder)
{
    struct statvfs fs {};
    return ::statvfs(QFile::encodeName(folder).constData(), &fs) == 0 ? qint64(fs.f_bavail * fs.f_frsize) : -1;
}

struct TinyDisk {
    const char* name;
    qint64 leftFree;      // when the export starts
    bool folderReadOnly;  // and the modes apply even to root
    int error;            // the system's reason the message must give
    const char* alsoSays;
};

void PrintTo(const TinyDisk& c, std::ostream* os)
{
    *os << c.name;
}

class ExportOntoATinyDisk : public ::testing::TestWithParam<TinyDisk> {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a small file system needs root";
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir().mkpath(mnt));
        if (::mount("tmpfs", QFile::encodeName(mnt).constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "could not mount a tmpfs: " << std::strerror(errno);
        mounted = true;
    }
    void TearDown() override
    {
        if (mounted) {
            EXPECT_EQ(::umount2(QFile::encodeName(mnt).constData(), MNT_DETACH), 0) << std::strerror(errno);
        }
    }

    QTemporaryDir dir;
    const QString mnt = dir.filePath(u"mnt"_s);
    bool mounted = false;
};

TEST_P(ExportOntoATinyDisk, keepsTheOldExportAndSaysWhy)
{
    const TinyDisk& c = GetParam();
    const QString path = mnt + u"/rates.csv"_s;
    ASSERT_EQ(ratefiles::writeExportFile(path, manyRates(40)), QString());
    const QByteArray old = StoreFixtures::fileBytes(path);
    StoreFixtures::writeBytes(mnt + u"/fill"_s, QByteArray(freeBytes(mnt) - c.leftFree, '\0'));
    ASSERT_EQ(freeBytes(mnt), c.leftFree);
    const std::vector<data::RateRow> rows = manyRates(300);
    ASSERT_GT(ratefiles::exportCsv(rows).size(), c.leftFree);

    QString error;
    if (c.folderReadOnly) {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(mnt).constData(), 0555), 0);
        const StoreFixtures::ModesApply modes;
        error = ratefiles::writeExportFile(path, rows);
    } else {
        error = ratefiles::writeExportFile(path, rows);
    }

    EXPECT_EQ(StoreFixtures::fileBytes(path).toStdString(), old.toStdString());
    EXPECT_EQ(QDir(mnt).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{u"fill"_s, u"rates.csv"_s}));
    EXPECT_TRUE(error.startsWith(u"Could not write '%1': "_s.arg(path))) << error.toStdString();
    EXPECT_TRUE(error.contains(qt_error_string(c.error))) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.alsoSays))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ExportOntoATinyDisk,
    ::testing::Values(TinyDisk{"noSpaceAtAll", 0, false, ENOSPC, ""},
                      TinyDisk{"spaceForPartOfTheFile", 4096, false, ENOSPC, ""},
                      TinyDisk{"aFolderThatAllowsNoNewFile", 4096, true, EACCES, "allows no new file"}),
    [](const ::testing::TestParamInfo<TinyDisk>& info) { return std::string(info.param.name); });

} // namespace
