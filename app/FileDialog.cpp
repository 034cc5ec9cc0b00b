#include "app/FileDialog.h"

#include <QFileDialog>

namespace {

FileDialogHandler& openHandler()
{
    static FileDialogHandler h;
    return h;
}

FileDialogHandler& saveHandler()
{
    static FileDialogHandler h;
    return h;
}

} // namespace

QString openFileName(QWidget* owner, const FileDialogRequest& request)
{
    if (openHandler())
        return openHandler()(request);
    return QFileDialog::getOpenFileName(owner, request.title, request.path, request.filter);
}

QString saveFileName(QWidget* owner, const FileDialogRequest& request)
{
    if (saveHandler())
        return saveHandler()(request);
    return QFileDialog::getSaveFileName(owner, request.title, request.path, request.filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void setOpenFileNameHandler(FileDialogHandler handler)
{
    openHandler() = std::move(handler);
}

void setSaveFileNameHandler(FileDialogHandler handler)
{
    saveHandler() = std::move(handler);
}
