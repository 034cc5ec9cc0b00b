#include "widgets/FileDialog.h"

#include <QFileDialog>

namespace widgets {

namespace {

// Tests replace these to answer without a dialog.
struct Handlers {
    FileDialogHandler open;
    FileDialogHandler save;
};

Handlers& handlers()
{
    static Handlers h;
    return h;
}

} // namespace

QString openFileName(QWidget* owner, const FileDialogRequest& request)
{
    if (handlers().open)
        return handlers().open(request);
    return QFileDialog::getOpenFileName(owner, request.title, request.path, request.filter);
}

QString saveFileName(QWidget* owner, const FileDialogRequest& request)
{
    if (handlers().save)
        return handlers().save(request);
    return QFileDialog::getSaveFileName(owner, request.title, request.path, request.filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void setOpenFileNameHandler(FileDialogHandler handler)
{
    handlers().open = std::move(handler);
}

void setSaveFileNameHandler(FileDialogHandler handler)
{
    handlers().save = std::move(handler);
}

} // namespace widgets
