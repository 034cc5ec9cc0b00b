#include "tests/PowerLossVfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cassert>
#include <functional>
#include <random>

namespace PowerLoss {

namespace {

constexpr qint64 kSector = 512;

Recording* recording = nullptr;
unsigned generation = 0;  // tells a handle's Recording from a later one

struct File {
    sqlite3_file base;
    sqlite3_file* real;
    int id;  // -1: not logged
    unsigned generation;
    bool syncFolderOnFirstSync;
};

Recording* loggerOf(const File* file)
{
    return file->id >= 0 && recording && file->generation == generation ? recording : nullptr;
}

File* fileOf(sqlite3_file* file)
{
    return reinterpret_cast<File*>(file);
}

sqlite3_file* realOf(sqlite3_file* file)
{
    return fileOf(file)->real;
}

QString nameOf(const char* path)
{
    return QFileInfo(QString::fromUtf8(path)).fileName();
}

int fileClose(sqlite3_file* file)
{
    return realOf(file)->pMethods->xClose(realOf(file));
}

int fileRead(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset)
{
    return realOf(file)->pMethods->xRead(realOf(file), buffer, amount, offset);
}

int fileWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset)
{
    const int rc = realOf(file)->pMethods->xWrite(realOf(file), buffer, amount, offset);
    if (Recording* logger = loggerOf(fileOf(file)); logger && rc == SQLITE_OK) {
        Step step{Step::Kind::Write, fileOf(file)->id, {}, offset, QByteArray(static_cast<const char*>(buffer), amount)};
        logger->log(std::move(step));
    }
    return rc;
}

int fileTruncate(sqlite3_file* file, sqlite3_int64 size)
{
    const int rc = realOf(file)->pMethods->xTruncate(realOf(file), size);
    if (Recording* logger = loggerOf(fileOf(file)); logger && rc == SQLITE_OK)
        logger->log(Step{Step::Kind::Truncate, fileOf(file)->id, {}, size, {}});
    return rc;
}

// The real disk never loses power, so syncs (a file's, and the folder's after
// a deletion) are logged, not made: they would only cost time.
int fileSync(sqlite3_file* file, int)
{
    File* self = fileOf(file);
    if (Recording* logger = loggerOf(self)) {
        logger->log(Step{Step::Kind::Sync, self->id, {}, 0, {}});
        if (self->syncFolderOnFirstSync)
            logger->log(Step{Step::Kind::SyncFolder, -1, {}, 0, {}});
    }
    self->syncFolderOnFirstSync = false;
    return SQLITE_OK;
}

int fileSize(sqlite3_file* file, sqlite3_int64* size)
{
    return realOf(file)->pMethods->xFileSize(realOf(file), size);
}

int fileLock(sqlite3_file* file, int level)
{
    return realOf(file)->pMethods->xLock(realOf(file), level);
}

int fileUnlock(sqlite3_file* file, int level)
{
    return realOf(file)->pMethods->xUnlock(realOf(file), level);
}

int fileCheckReservedLock(sqlite3_file* file, int* out)
{
    return realOf(file)->pMethods->xCheckReservedLock(realOf(file), out);
}

int fileControl(sqlite3_file* file, int op, void* arg)
{
    return realOf(file)->pMethods->xFileControl(realOf(file), op, arg);
}

int fileSectorSize(sqlite3_file* file)
{
    return realOf(file)->pMethods->xSectorSize(realOf(file));
}

int fileDeviceCharacteristics(sqlite3_file* file)
{
    return realOf(file)->pMethods->xDeviceCharacteristics(realOf(file));
}

int fileShmMap(sqlite3_file* file, int page, int size, int extend, void volatile** out)
{
    return realOf(file)->pMethods->xShmMap(realOf(file), page, size, extend, out);
}

int fileShmLock(sqlite3_file* file, int offset, int n, int flags)
{
    return realOf(file)->pMethods->xShmLock(realOf(file), offset, n, flags);
}

void fileShmBarrier(sqlite3_file* file)
{
    realOf(file)->pMethods->xShmBarrier(realOf(file));
}

int fileShmUnmap(sqlite3_file* file, int deleteFlag)
{
    return realOf(file)->pMethods->xShmUnmap(realOf(file), deleteFlag);
}

int fileFetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** out)
{
    return realOf(file)->pMethods->xFetch(realOf(file), offset, amount, out);
}

int fileUnfetch(sqlite3_file* file, sqlite3_int64 offset, void* page)
{
    return realOf(file)->pMethods->xUnfetch(realOf(file), offset, page);
}

const sqlite3_io_methods fileMethods = {
    .iVersion = 3,
    .xClose = fileClose,
    .xRead = fileRead,
    .xWrite = fileWrite,
    .xTruncate = fileTruncate,
    .xSync = fileSync,
    .xFileSize = fileSize,
    .xLock = fileLock,
    .xUnlock = fileUnlock,
    .xCheckReservedLock = fileCheckReservedLock,
    .xFileControl = fileControl,
    .xSectorSize = fileSectorSize,
    .xDeviceCharacteristics = fileDeviceCharacteristics,
    .xShmMap = fileShmMap,
    .xShmLock = fileShmLock,
    .xShmBarrier = fileShmBarrier,
    .xShmUnmap = fileShmUnmap,
    .xFetch = fileFetch,
    .xUnfetch = fileUnfetch,
};

sqlite3_vfs* realOfVfs(sqlite3_vfs* vfs)
{
    return static_cast<sqlite3_vfs*>(vfs->pAppData);
}

int vfsOpen(sqlite3_vfs* vfs, const char* path, sqlite3_file* file, int flags, int* outFlags)
{
    File* self = fileOf(file);
    self->real = reinterpret_cast<sqlite3_file*>(self + 1);
    self->id = -1;
    self->generation = generation;
    constexpr int journals = SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_MASTER_JOURNAL | SQLITE_OPEN_WAL;
    self->syncFolderOnFirstSync = (flags & SQLITE_OPEN_CREATE) && (flags & journals);

    const int rc = realOfVfs(vfs)->xOpen(realOfVfs(vfs), path, self->real, flags, outFlags);
    if (rc != SQLITE_OK) {
        self->base.pMethods = nullptr;
        return rc;
    }
    self->base.pMethods = &fileMethods;
    if (recording && path && recording->watches(QString::fromUtf8(path))) {
        const QString name = nameOf(path);
        self->id = recording->fileNamed(name);
        if (self->id < 0) {
            // Made by this open, or just before it by the caller: a new file.
            self->id = recording->create(name);
            sqlite3_int64 size = 0;
            self->real->pMethods->xFileSize(self->real, &size);
            if (size > 0) {
                QByteArray bytes(static_cast<qsizetype>(size), '\0');
                self->real->pMethods->xRead(self->real, bytes.data(), static_cast<int>(size), 0);
                recording->log(Step{Step::Kind::Write, self->id, {}, 0, bytes});
            }
        }
    }
    return SQLITE_OK;
}

int vfsDelete(sqlite3_vfs* vfs, const char* path, int syncFolder)
{
    const int rc = realOfVfs(vfs)->xDelete(realOfVfs(vfs), path, 0);
    if (rc == SQLITE_OK && recording && recording->watches(QString::fromUtf8(path))) {
        recording->remove(nameOf(path));
        if (syncFolder & 1)
            recording->log(Step{Step::Kind::SyncFolder, -1, {}, 0, {}});
    }
    return rc;
}

int vfsAccess(sqlite3_vfs* vfs, const char* path, int flags, int* out)
{
    return realOfVfs(vfs)->xAccess(realOfVfs(vfs), path, flags, out);
}

int vfsFullPathname(sqlite3_vfs* vfs, const char* path, int size, char* out)
{
    return realOfVfs(vfs)->xFullPathname(realOfVfs(vfs), path, size, out);
}

void* vfsDlOpen(sqlite3_vfs* vfs, const char* path)
{
    return realOfVfs(vfs)->xDlOpen(realOfVfs(vfs), path);
}

void vfsDlError(sqlite3_vfs* vfs, int size, char* out)
{
    realOfVfs(vfs)->xDlError(realOfVfs(vfs), size, out);
}

void (*vfsDlSym(sqlite3_vfs* vfs, void* handle, const char* symbol))(void)
{
    return realOfVfs(vfs)->xDlSym(realOfVfs(vfs), handle, symbol);
}

void vfsDlClose(sqlite3_vfs* vfs, void* handle)
{
    realOfVfs(vfs)->xDlClose(realOfVfs(vfs), handle);
}

int vfsRandomness(sqlite3_vfs* vfs, int size, char* out)
{
    return realOfVfs(vfs)->xRandomness(realOfVfs(vfs), size, out);
}

int vfsSleep(sqlite3_vfs* vfs, int micros)
{
    return realOfVfs(vfs)->xSleep(realOfVfs(vfs), micros);
}

int vfsCurrentTime(sqlite3_vfs* vfs, double* out)
{
    return realOfVfs(vfs)->xCurrentTime(realOfVfs(vfs), out);
}

int vfsGetLastError(sqlite3_vfs* vfs, int size, char* out)
{
    return realOfVfs(vfs)->xGetLastError(realOfVfs(vfs), size, out);
}

int vfsCurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* out)
{
    return realOfVfs(vfs)->xCurrentTimeInt64(realOfVfs(vfs), out);
}

int vfsSetSystemCall(sqlite3_vfs* vfs, const char* name, sqlite3_syscall_ptr call)
{
    return realOfVfs(vfs)->xSetSystemCall(realOfVfs(vfs), name, call);
}

sqlite3_syscall_ptr vfsGetSystemCall(sqlite3_vfs* vfs, const char* name)
{
    return realOfVfs(vfs)->xGetSystemCall(realOfVfs(vfs), name);
}

const char* vfsNextSystemCall(sqlite3_vfs* vfs, const char* name)
{
    return realOfVfs(vfs)->xNextSystemCall(realOfVfs(vfs), name);
}

// Registered once, as the default, before the first Recording.
void registerVfs()
{
    static sqlite3_vfs vfs = [] {
        sqlite3_vfs* real = sqlite3_vfs_find(nullptr);
        static_assert(sizeof(File) % 8 == 0, "the real file follows, aligned");
        sqlite3_vfs wrapper{};
        wrapper.iVersion = 3;
        wrapper.szOsFile = static_cast<int>(sizeof(File)) + real->szOsFile;
        wrapper.mxPathname = real->mxPathname;
        wrapper.zName = "powerloss";
        wrapper.pAppData = real;
        wrapper.xOpen = vfsOpen;
        wrapper.xDelete = vfsDelete;
        wrapper.xAccess = vfsAccess;
        wrapper.xFullPathname = vfsFullPathname;
        wrapper.xDlOpen = vfsDlOpen;
        wrapper.xDlError = vfsDlError;
        wrapper.xDlSym = vfsDlSym;
        wrapper.xDlClose = vfsDlClose;
        wrapper.xRandomness = vfsRandomness;
        wrapper.xSleep = vfsSleep;
        wrapper.xCurrentTime = vfsCurrentTime;
        wrapper.xGetLastError = vfsGetLastError;
        wrapper.xCurrentTimeInt64 = vfsCurrentTimeInt64;
        wrapper.xSetSystemCall = vfsSetSystemCall;
        wrapper.xGetSystemCall = vfsGetSystemCall;
        wrapper.xNextSystemCall = vfsNextSystemCall;
        return wrapper;
    }();
    static const bool registered = [] {
        if (sqlite3_vfs_register(&vfs, 1) != SQLITE_OK)
            qFatal("cannot register the power-loss VFS");
        return true;
    }();
    (void)registered;
}

// Applies a write or truncation, whole or in the sector-sized pieces keep()
// chooses; bytes never written read as zeros.
void apply(QByteArray& bytes, const Step& step, const std::function<bool()>& keep)
{
    auto growTo = [&bytes](qint64 size) {
        if (bytes.size() < size)
            bytes.append(QByteArray(static_cast<qsizetype>(size - bytes.size()), '\0'));
    };
    if (step.kind == Step::Kind::Truncate) {
        if (keep()) {
            growTo(step.offset);
            bytes.truncate(static_cast<qsizetype>(step.offset));
        }
        return;
    }
    const qint64 end = step.offset + step.bytes.size();
    for (qint64 from = step.offset; from < end;) {
        const qint64 to = std::min(end, (from / kSector + 1) * kSector);
        if (keep()) {
            growTo(to);
            bytes.replace(static_cast<qsizetype>(from), static_cast<qsizetype>(to - from),
                          step.bytes.constData() + (from - step.offset), static_cast<qsizetype>(to - from));
        }
        from = to;
    }
}

int pieces(const Step& step)
{
    if (step.kind == Step::Kind::Truncate)
        return 1;
    const qint64 end = step.offset + step.bytes.size();
    return static_cast<int>((end + kSector - 1) / kSector - step.offset / kSector);
}

} // namespace

QString describe(const Step& step)
{
    switch (step.kind) {
    case Step::Kind::Create:
        return QStringLiteral("make %1").arg(step.name);
    case Step::Kind::Write:
        return QStringLiteral("write %1 bytes at %2 to %3").arg(step.bytes.size()).arg(step.offset).arg(step.name);
    case Step::Kind::Truncate:
        return QStringLiteral("truncate %1 to %2 bytes").arg(step.name).arg(step.offset);
    case Step::Kind::Sync:
        return QStringLiteral("sync %1").arg(step.name);
    case Step::Kind::Delete:
        return QStringLiteral("delete %1").arg(step.name);
    case Step::Kind::SyncFolder:
        return QStringLiteral("sync the folder");
    }
    return {};
}

// The disk after some steps: what was synced, and what was not yet.
struct Recording::Disk {
    std::map<QString, int> names;
    std::map<QString, int> syncedNames;
    std::vector<QByteArray> synced;
    std::vector<std::vector<const Step*>> unsynced;
};

Recording::Recording(const QString& folder) : folder_(QDir(folder).absolutePath())
{
    registerVfs();
    assert(!recording);
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            initial_[name] = file.readAll();
    }
    // Numbered in the order replay() numbers them.
    for (const auto& [name, bytes] : initial_)
        names_[name] = files_++;
    recording = this;
    ++generation;
}

Recording::~Recording()
{
    stop();
}

void Recording::stop()
{
    if (recording == this)
        recording = nullptr;
}

bool Recording::watches(const QString& path) const
{
    return QFileInfo(path).absolutePath() == folder_;
}

int Recording::fileNamed(const QString& name) const
{
    const auto it = names_.find(name);
    return it == names_.end() ? -1 : it->second;
}

int Recording::create(const QString& name)
{
    const int id = files_++;
    names_[name] = id;
    steps_.push_back(Step{Step::Kind::Create, id, name, 0, {}});
    return id;
}

void Recording::log(Step step)
{
    for (const auto& [name, id] : names_) {
        if (id == step.file)
            step.name = name;
    }
    steps_.push_back(std::move(step));
}

void Recording::remove(const QString& name)
{
    const int id = fileNamed(name);
    names_.erase(name);
    steps_.push_back(Step{Step::Kind::Delete, id, name, 0, {}});
}

Recording::Disk Recording::replay(std::size_t n) const
{
    Disk disk;
    disk.synced.resize(static_cast<std::size_t>(files_));
    disk.unsynced.resize(static_cast<std::size_t>(files_));
    int id = 0;
    for (const auto& [name, bytes] : initial_) {
        disk.names[name] = id;
        disk.synced[static_cast<std::size_t>(id++)] = bytes;
    }
    disk.syncedNames = disk.names;
    for (std::size_t i = 0; i < n && i < steps_.size(); ++i) {
        const Step& step = steps_[i];
        const auto file = static_cast<std::size_t>(step.file);
        switch (step.kind) {
        case Step::Kind::Create:
            disk.names[step.name] = step.file;
            break;
        case Step::Kind::Write:
        case Step::Kind::Truncate:
            disk.unsynced[file].push_back(&step);
            break;
        case Step::Kind::Sync:
            for (const Step* done : disk.unsynced[file])
                apply(disk.synced[file], *done, [] { return true; });
            disk.unsynced[file].clear();
            break;
        case Step::Kind::Delete:
            disk.names.erase(step.name);
            break;
        case Step::Kind::SyncFolder:
            disk.syncedNames = disk.names;
            break;
        }
    }
    return disk;
}

int Recording::unsyncedPieces(std::size_t n) const
{
    const Disk disk = replay(n);
    int count = 0;
    for (const auto& [name, id] : disk.syncedNames) {
        for (const Step* step : disk.unsynced[static_cast<std::size_t>(id)])
            count += pieces(*step);
    }
    return count;
}

Files Recording::cutAt(std::size_t n, const std::function<bool(int piece)>& keep) const
{
    const Disk disk = replay(n);
    int piece = 0;
    const std::function<bool()> next = [&] { return keep(piece++); };
    Files files;
    for (const auto& [name, id] : disk.syncedNames) {
        QByteArray bytes = disk.synced[static_cast<std::size_t>(id)];
        for (const Step* step : disk.unsynced[static_cast<std::size_t>(id)])
            apply(bytes, *step, next);
        files[name] = bytes;
    }
    return files;
}

void forEveryCut(const Recording& recording, int everyUpTo, int randomChoices, const CutVisitor& visit)
{
    for (std::size_t n = 0; n <= recording.steps().size(); ++n) {
        const int pieces = recording.unsyncedPieces(n);
        const bool every = pieces <= everyUpTo;
        const int choices = every ? 1 << pieces : 2 + randomChoices;
        for (int choice = 0; choice < choices; ++choice) {
            std::mt19937 random(static_cast<std::uint32_t>(n * 1000 + static_cast<std::size_t>(choice)));
            std::string kept;
            const Files files = recording.cutAt(n, [&](int piece) {
                const bool keep = every ? (choice >> piece) & 1 : choice == 1 || (choice > 1 && (random() & 1u));
                kept += keep ? '1' : '0';
                return keep;
            });
            visit(n, kept, files);
        }
    }
}

} // namespace PowerLoss
