#include "widgets/CharacterLimit.h"

#include "data/TextLimits.h"

#include <QLineEdit>

#include <algorithm>

namespace widgets {

void limitToCharacters(QLineEdit& box, int limit)
{
    // Qt's own limit counts UTF-16 units; twice the characters never cuts first.
    box.setMaxLength(2 * limit);
    QObject::connect(&box, &QLineEdit::textChanged, &box, [&box, limit](const QString& text) {
        if (data::characterCount(text) <= limit)
            return;
        const int cursor = box.cursorPosition();
        box.setText(data::cutToCharacters(text, limit));
        box.setCursorPosition(std::min(cursor, int(box.text().size())));
    });
}

} // namespace widgets
