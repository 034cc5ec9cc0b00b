#include "widgets/MsgBox.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace widgets {

namespace {

MsgBoxHandler& handler()
{
    static MsgBoxHandler h;
    return h;
}

MsgBoxResult showMessageBox(const MsgBoxRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.title);
    // Lines are joined by CR LF; the box wants plain line feeds.
    box.setText(QString(request.prompt).replace(u"\r\n"_s, u"\n"_s));
    box.setTextFormat(Qt::PlainText);
    switch (request.icon) {
    case MsgBoxIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgBoxIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgBoxIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgBoxIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (request.buttons) {
    case MsgBoxButtons::YesNo:
    case MsgBoxButtons::YesNoCancel: {
        const bool cancel = request.buttons == MsgBoxButtons::YesNoCancel;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No
                               | (cancel ? QMessageBox::Cancel : QMessageBox::NoButton));
        box.setDefaultButton(request.defaultButton == MsgBoxResult::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(cancel ? QMessageBox::Cancel : QMessageBox::No);
        break;
    }
    case MsgBoxButtons::OK:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgBoxResult::Yes;
    case QMessageBox::No: return MsgBoxResult::No;
    case QMessageBox::Cancel: return MsgBoxResult::Cancel;
    default: break;
    }
    switch (request.buttons) {
    case MsgBoxButtons::YesNo: return MsgBoxResult::No;
    case MsgBoxButtons::YesNoCancel: return MsgBoxResult::Cancel;
    case MsgBoxButtons::OK: break;
    }
    return MsgBoxResult::OK;
}

} // namespace

MsgBoxResult MsgBox(const QString& prompt, MsgBoxButtons buttons, MsgBoxIcon icon, const QString& title)
{
    MsgBoxRequest request;
    request.prompt = prompt;
    request.title = title.isEmpty() ? AppTitle : title;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = buttons == MsgBoxButtons::OK ? MsgBoxResult::OK : MsgBoxResult::Yes;
    if (handler())
        return handler()(request);
    return showMessageBox(request);
}

void setMsgBoxHandler(MsgBoxHandler h)
{
    handler() = std::move(h);
}

} // namespace widgets
