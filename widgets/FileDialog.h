#pragma once

// The file dialogs of the program go through these two functions, so a test can
// replace them to see the request and answer with a path, as MsgBox does for
// message boxes.

#include <QString>

#include <functional>

class QWidget;

namespace widgets {

struct FileDialogRequest {
    QString title;      // "Import Rates", "Export Rates"
    QString path;       // the folder to start in, or a suggested file path (save)
    QString filter;     // "Rate files (*.csv *.xml);;All files (*)"
};

// Returns the chosen path, or an empty string when the user cancelled.
using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;

// Asks for an existing file to read.
QString openFileName(QWidget* owner, const FileDialogRequest& request);
// Asks for a file to write. The dialog does not ask about replacing an existing
// file: the caller asks, through MsgBox, so tests see that question too.
QString saveFileName(QWidget* owner, const FileDialogRequest& request);

// Replace the implementations (tests); an empty handler restores the real dialogs.
void setOpenFileNameHandler(FileDialogHandler handler);
void setSaveFileNameHandler(FileDialogHandler handler);

} // namespace widgets
