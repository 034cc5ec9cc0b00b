#pragma once

// Replacing a file so that a failure never costs the old one.

#include <QByteArray>
#include <QString>

namespace ratefiles {

// Puts bytes at path: they are written to a new file made beside it, synced,
// and only then renamed over the old file, and the folder is synced after the
// rename. A link at path is kept and the file it names is replaced. A device,
// pipe or folder at path is refused, and so is a folder that allows no new
// file: the old file is never written over in place. Returns an empty string,
// or the reason it failed (the system's words where it gave one); after a
// failure no new file is left behind and an old one is as it was.
QString replaceFileDurably(const QString& path, const QByteArray& bytes);

} // namespace ratefiles
