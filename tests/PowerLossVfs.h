#pragma once

// Power cuts below SQLite, for the tests. A VFS registered as the process's
// default wraps the real one, so the store's own code runs on it unchanged.
// While a Recording lives it logs, for the files of one folder, every write,
// truncation and sync, every file made or deleted, and every sync of the
// folder. cutAt() then lays out what the disk would hold had the power failed
// after the first n of those steps:
//
//  - a file holds what it held at its last sync, plus, of each write or
//    truncation since, nothing, everything, or a chosen part, one 512-byte
//    sector at a time;
//  - a name made or deleted in the folder stays made or deleted only once the
//    folder itself was synced afterwards.
//
// Folder syncs follow the unix VFS of the SQLite linked here (3.15, seen with
// strace): the first xSync of a journal or WAL opened with SQLITE_OPEN_CREATE
// syncs the file, then its folder; xDelete syncs the folder after the unlink
// only when asked to (dirSync, which the pager sets for synchronous=EXTRA).
// Nothing else syncs a folder.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace PowerLoss {

struct Step {
    enum class Kind { Create, Write, Truncate, Sync, Delete, SyncFolder };
    Kind kind = Kind::Write;
    int file = -1;     // the file as made: a name made again is another file
    QString name;      // its name in the folder
    qint64 offset = 0; // Write: where; Truncate: the new size
    QByteArray bytes;  // Write
};

// "write 1024 bytes at 516 to Exchange.db-journal", for failure messages.
QString describe(const Step& step);

// Files by name, as a cut leaves them.
using Files = std::map<QString, QByteArray>;

class Recording {
public:
    // Logs the steps that reach folder from now on; its files as they are now
    // count as synced. One Recording at a time.
    explicit Recording(const QString& folder);
    ~Recording();  // stops logging
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    void stop();
    const std::vector<Step>& steps() const { return steps_; }

    // Sector-sized pieces of writes and truncations not yet synced after the
    // first n steps, in files the folder then held durably: what a cut there
    // can keep or lose.
    int unsyncedPieces(std::size_t n) const;

    // The files of the folder after a power cut following the first n steps;
    // keep(i) tells whether the i-th of the unsynced pieces survived.
    Files cutAt(std::size_t n, const std::function<bool(int piece)>& keep) const;

    // Called by the VFS.
    bool watches(const QString& path) const;
    int fileNamed(const QString& name) const;  // -1 when the folder has none
    int create(const QString& name);
    void log(Step step);
    void remove(const QString& name);

private:
    struct Disk;
    Disk replay(std::size_t n) const;

    QString folder_;
    std::map<QString, QByteArray> initial_;  // name -> bytes, synced
    std::map<QString, int> names_;           // the folder now
    int files_ = 0;
    std::vector<Step> steps_;
};

// Calls visit with the files of every cut a test makes: after each step (n of
// them done), every combination of the unsynced pieces surviving when there
// are at most everyUpTo, else none, all and randomChoices random ones. kept
// spells which pieces survived ("0110"; empty when none was pending).
using CutVisitor = std::function<void(std::size_t n, const std::string& kept, const Files& files)>;
void forEveryCut(const Recording& recording, int everyUpTo, int randomChoices, const CutVisitor& visit);

} // namespace PowerLoss
