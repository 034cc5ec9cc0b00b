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
    if (request.buttons == MsgBoxButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultButton == MsgBoxResult::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgBoxResult::Yes;
    case QMessageBox::No: return MsgBoxResult::No;
    default: return request.buttons == MsgBoxButtons::YesNo ? MsgBoxResult::No : MsgBoxResult::OK;
    }
}

} // namespace

MsgBoxResult MsgBox(const QString& prompt, MsgBoxButtons buttons, MsgBoxIcon icon, const QString& title)
{
    MsgBoxRequest request;
    request.prompt = prompt;
    request.title = title.isEmpty() ? AppTitle : title;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = buttons == MsgBoxButtons::YesNo ? MsgBoxResult::Yes : MsgBoxResult::OK;
    if (handler())
        return handler()(request);
    return showMessageBox(request);
}

void setMsgBoxHandler(MsgBoxHandler h)
{
    handler() = std::move(h);
}

} // namespace widgets
