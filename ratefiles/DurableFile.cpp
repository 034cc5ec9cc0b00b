#include "ratefiles/DurableFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace ratefiles {

namespace {

QString reason(int error)
{
    return qt_error_string(error);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    // Returns errno, or 0. Linux has closed the file even after EINTR, and the
    // bytes were synced before, so that is no failure.
    int close()
    {
        const int result = ::close(fd);
        fd = -1;
        return result == 0 || errno == EINTR ? 0 : errno;
    }

    int fd;
};

// The new file's name, removed again unless it was renamed into place.
struct NewName {
    int folder;
    QByteArray name;
    bool placed = false;

    ~NewName()
    {
        if (!name.isEmpty() && !placed)
            ::unlinkat(folder, name.constData(), 0);
    }
};

// Follows links at path to the name to write, as opening it would; a link to
// a name not yet taken gives that name. Returns errno, or 0.
int followLinks(QByteArray& path)
{
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode))
            return 0;
        if (hops == 40)
            return ELOOP;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), target.size());
        if (n < 0)
            return errno;
        if (n == target.size())
            return ENAMETOOLONG;
        target.truncate(n);
        path = target.startsWith('/') ? target : path.left(path.lastIndexOf('/') + 1) + target;
    }
}

// O_EXCL: never write into a file someone else made. Returns the descriptor,
// or -1 with errno set.
int createBeside(int folder, const QByteArray& name, mode_t mode, QByteArray& created)
{
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Hidden, and short enough whatever the old file's name.
        QByteArray candidate = '.' + name.left(200) + '.';
        for (int i = 0; i < 8; ++i)
            candidate += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
        const int fd = ::openat(folder, candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            created = candidate;
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Returns errno, or 0.
int writeAll(int fd, const QByteArray& bytes)
{
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, next, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;  // never for a plain file; do not spin on it
        next += n;
        left -= n;
    }
    return 0;
}

// What is at the name now: nothing, or an ordinary file the user may
// replace, whose permission bits go to oldMode. Returns why not, or nothing.
QString checkOldFile(int folder, const QByteArray& name, std::optional<mode_t>& oldMode)
{
    struct stat old {};
    if (::fstatat(folder, name.constData(), &old, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? QString() : reason(errno);
    if (S_ISDIR(old.st_mode))
        return reason(EISDIR);
    if (!S_ISREG(old.st_mode))
        return QCoreApplication::translate("RateFiles", "it is not an ordinary file (a device, a pipe or the like)");
    // The rename would replace a file its owner made read-only.
    if (::faccessat(folder, name.constData(), W_OK, 0) != 0)
        return reason(errno);
    oldMode = old.st_mode & 0777;
    return {};
}

QString createFailure(int error, bool replacing)
{
    if (replacing && (error == EACCES || error == EPERM)) {
        //: Why a file could not be written; %1 is the system's reason.
        return QCoreApplication::translate(
                   "RateFiles",
                   "%1 (its folder allows no new file beside it, and the old file is never written over in place)")
            .arg(reason(error));
    }
    return reason(error);
}

// Writes and syncs the new file, then renames it over the old name and
// syncs the folder. Returns why that failed, or nothing.
QString writeAndPlace(int folder, Descriptor& file, NewName& created, const QByteArray& name,
                      const QByteArray& bytes)
{
    if (const int error = writeAll(file.fd, bytes))
        return reason(error);
    if (::fsync(file.fd) != 0)
        return reason(errno);
    if (const int error = file.close())
        return reason(error);
    if (::renameat(folder, created.name.constData(), folder, name.constData()) != 0)
        return reason(errno);
    created.placed = true;
    // Only this makes the rename itself outlast a power cut. Some file systems
    // cannot sync a folder at all.
    if (::fsync(folder) != 0 && errno != EINVAL && errno != EOPNOTSUPP) {
        const int error = errno;
        return QCoreApplication::translate("RateFiles",
                                           "the new file is in place, but its folder could not be synced: %1")
            .arg(reason(error));
    }
    return {};
}

} // namespace

QString replaceFileDurably(const QString& path, const QByteArray& bytes)
{
    QByteArray target = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    if (const int error = followLinks(target))
        return reason(error);
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray name = target.mid(slash + 1);
    if (name.isEmpty())
        return reason(EISDIR);
    const Descriptor folder(::open(slash == 0 ? "/" : target.left(slash).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd < 0)
        return reason(errno);
    std::optional<mode_t> oldMode;
    if (QString refused = checkOldFile(folder.fd, name, oldMode); !refused.isEmpty())
        return refused;

    // A new file gets the usual mode (the umask applies), a replacement the old one's.
    NewName created{folder.fd, {}};
    Descriptor file(createBeside(folder.fd, name, oldMode ? S_IRUSR | S_IWUSR : 0666, created.name));
    if (file.fd < 0)
        return createFailure(errno, oldMode.has_value());
    // A file system that keeps no modes may refuse: the new file then stays private.
    if (oldMode && *oldMode != (S_IRUSR | S_IWUSR))
        (void)::fchmod(file.fd, *oldMode);
    return writeAndPlace(folder.fd, file, created, name, bytes);
}

} // namespace ratefiles
