#include "data/TextLimits.h"

namespace data {

namespace {

// The second half of a surrogate pair is no character of its own.
bool continuesPair(QStringView text, qsizetype i)
{
    return i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
}

} // namespace

qsizetype characterCount(QStringView text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        n += continuesPair(text, i) ? 0 : 1;
    return n;
}

QString cutToCharacters(const QString& text, qsizetype max)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (continuesPair(text, i))
            continue;
        if (n++ == max)
            return text.left(i);
    }
    return text;
}

} // namespace data
