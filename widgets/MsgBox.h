#pragma once

// Every message box of the program goes through MsgBox, so a test can replace the
// implementation to see the text, title, buttons and icon and to answer.

#include <QString>

#include <functional>

class QWidget;

namespace widgets {

enum class MsgBoxButtons { OK, YesNo, YesNoCancel };
enum class MsgBoxIcon { None, Critical, Exclamation, Information };
enum class MsgBoxResult { OK, Yes, No, Cancel };

struct MsgBoxRequest {
    QString prompt;
    QString title;  // already defaulted to "Tallyvane"
    MsgBoxButtons buttons = MsgBoxButtons::OK;
    MsgBoxIcon icon = MsgBoxIcon::None;
    MsgBoxResult defaultButton = MsgBoxResult::OK;  // Yes for YesNo and YesNoCancel
};

using MsgBoxHandler = std::function<MsgBoxResult(const MsgBoxRequest&)>;

inline const QString AppTitle = QStringLiteral("Tallyvane");

// Shows a modal message box over the active window; an empty title shows "Tallyvane".
// Escape answers No to Yes/No and Cancel to Yes/No/Cancel.
MsgBoxResult MsgBox(const QString& prompt, MsgBoxButtons buttons = MsgBoxButtons::OK,
                    MsgBoxIcon icon = MsgBoxIcon::None, const QString& title = QString());

// Replaces the implementation (tests); an empty handler restores the real boxes.
void setMsgBoxHandler(MsgBoxHandler handler);

} // namespace widgets
