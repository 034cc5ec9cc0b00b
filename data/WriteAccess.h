#pragma once

// Whether this user may change the rates file, asked of the file system before
// a rate dialog opens, so that nobody fills in a dialog only to be refused.

#include <QString>

#include <optional>

namespace data {

struct WriteRefusal {
    enum class Kind {
        File,          // the file itself may not be written
        Folder,        // its folder, where each save keeps a journal, may not be written
        ReadOnlyDisk,  // the file system is mounted read-only
    };
    Kind kind = Kind::File;
    QString path;   // the file or folder refused, a link followed to the real file
    QString group;  // a group whose members may write it, when this user is not one
};

// Why a save to the rates file at path would be refused for lack of
// permission; nothing when it would not be (or the file is missing: opening
// it reports that).
std::optional<WriteRefusal> writeRefusal(const QString& path);

} // namespace data
