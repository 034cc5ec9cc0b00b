#include "data/WriteAccess.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace data {

namespace {

bool inGroup(gid_t gid)
{
    if (getegid() == gid)
        return true;
    const int n = getgroups(0, nullptr);
    if (n <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(n));
    const int got = getgroups(n, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == gid)
            return true;
    }
    return false;
}

// The group that may write path when this user is not in it, so the refusal
// can say whom to ask for what; empty otherwise.
QString groupThatMayWrite(const QByteArray& path)
{
    struct stat st {};
    if (::stat(path.constData(), &st) != 0 || !(st.st_mode & S_IWGRP) || inGroup(st.st_gid))
        return {};
    std::vector<char> buffer(4096);
    struct group entry {};
    struct group* found = nullptr;
    if (getgrgid_r(st.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    return QString::fromLocal8Bit(found->gr_name);
}

// Effective ids, as the writes themselves will use: a root that dropped its
// override of file modes is refused here as it would be there.
std::optional<WriteRefusal> refused(const QString& path, int mode, WriteRefusal::Kind kind)
{
    const QByteArray native = QFile::encodeName(path);
    if (faccessat(AT_FDCWD, native.constData(), mode, AT_EACCESS) == 0)
        return std::nullopt;
    if (errno == EROFS)
        return WriteRefusal{WriteRefusal::Kind::ReadOnlyDisk, path, {}};
    if (errno != EACCES && errno != EPERM)
        return std::nullopt;
    return WriteRefusal{kind, path, groupThatMayWrite(native)};
}

} // namespace

std::optional<WriteRefusal> writeRefusal(const QString& path)
{
    // The database writes the file a link leads to, and its journal beside it.
    const QString file = QFileInfo(path).canonicalFilePath();
    if (file.isEmpty())
        return std::nullopt;
    if (auto refusal = refused(file, W_OK, WriteRefusal::Kind::File))
        return refusal;
    return refused(QFileInfo(file).absolutePath(), W_OK | X_OK, WriteRefusal::Kind::Folder);
}

} // namespace data
