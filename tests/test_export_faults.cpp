// Export where the file cannot be written whole: a file system out of room, a
// folder that allows no new file, a device or pipe at the name. The old export
// must stay byte for byte, and the message must say why.

#include "data/RateImport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace MOD_Data;

namespace {

std::vector<RateRow> manyRates(int count)
{
    std::vector<RateRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({u"Country %1"_s.arg(i), u"Unit"_s, 1.25 + i, QDate(2024, 5, 1)});
    return rows;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

qint64 freeBytes(const QString& folder)
{
    struct statvfs fs {};
    return ::statvfs(QFile::encodeName(folder).constData(), &fs) == 0 ? qint64(fs.f_bavail * fs.f_frsize) : -1;
}

struct TinyDisk {
    const char* name;
    qint64 leftFree;      // bytes the file system still has when the export starts
    bool folderReadOnly;  // and the export runs as a user who may not write in it
    int error;            // the system's reason the message must give
    const char* alsoSays;
};

void PrintTo(const TinyDisk& c, std::ostream* os)
{
    *os << c.name;
}

// A 64 KB file system of the test's own, so filling it harms nothing else.
class ExportOntoATinyDisk : public ::testing::TestWithParam<TinyDisk> {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a small file system needs root";
        ASSERT_TRUE(dir.isValid());
        mnt = dir.filePath(u"mnt"_s);
        ASSERT_TRUE(QDir().mkpath(mnt));
        if (::mount("tmpfs", QFile::encodeName(mnt).constData(), "tmpfs", 0, "size=64k,mode=0777") != 0)
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
    QString mnt;
    bool mounted = false;
};

TEST_P(ExportOntoATinyDisk, keepsTheOldExportAndSaysWhy)
{
    const TinyDisk& c = GetParam();
    const QString path = mnt + u"/rates.csv"_s;
    ASSERT_EQ(writeExportFile(path, manyRates(40)), QString());
    const QByteArray old = bytesOf(path);

    QFile fill(mnt + u"/fill"_s);
    ASSERT_TRUE(fill.open(QIODevice::WriteOnly));
    ASSERT_EQ(fill.write(QByteArray(freeBytes(mnt) - c.leftFree, '\0')), freeBytes(mnt) - c.leftFree);
    ASSERT_TRUE(fill.flush());
    fill.close();
    ASSERT_EQ(freeBytes(mnt), c.leftFree);
    const std::vector<RateRow> rows = manyRates(300);
    ASSERT_GT(exportCsv(rows).size(), c.leftFree);

    QString error;
    if (c.folderReadOnly) {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(mnt).constData(), 0555), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        ::setfsuid(65534);  // this thread's file access as nobody, the way a user's would be
        error = writeExportFile(path, rows);
        ::setfsuid(0);
    } else {
        error = writeExportFile(path, rows);
    }

    EXPECT_EQ(bytesOf(path).toStdString(), old.toStdString());
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

struct NotAFile {
    const char* name;
    int (*make)(const char* path);  // 0, or errno when this user cannot make it
};

void PrintTo(const NotAFile& c, std::ostream* os)
{
    *os << c.name;
}

class ExportOntoNotAFile : public ::testing::TestWithParam<NotAFile> {};

// Replacing a pipe or a device with a plain file would break whatever uses it.
TEST_P(ExportOntoNotAFile, isRefusedAndLeavesItAsItWas)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(u"rates.csv"_s));
    if (const int error = GetParam().make(path.constData()))
        GTEST_SKIP() << "cannot make one here: " << std::strerror(error);
    struct stat before {};
    ASSERT_EQ(::lstat(path.constData(), &before), 0);

    const QString error = writeExportFile(QFile::decodeName(path), manyRates(3));
    EXPECT_TRUE(error.contains(u"not an ordinary file"_s)) << error.toStdString();
    struct stat after {};
    ASSERT_EQ(::lstat(path.constData(), &after), 0);
    EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    EXPECT_EQ(after.st_rdev, before.st_rdev);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ExportOntoNotAFile,
    ::testing::Values(NotAFile{"aPipe", [](const char* p) { return ::mkfifo(p, 0666) == 0 ? 0 : errno; }},
                      NotAFile{"aDevice",  // one like /dev/full, in the test's own folder
                               [](const char* p) { return ::mknod(p, S_IFCHR | 0666, makedev(1, 7)) == 0 ? 0 : errno; }}),
    [](const ::testing::TestParamInfo<NotAFile>& info) { return std::string(info.param.name); });

} // namespace
