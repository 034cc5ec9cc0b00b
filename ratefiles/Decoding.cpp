#include "ratefiles/Decoding.h"

#include "ratefiles/Reading.h"

#include <QCoreApplication>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace ratefiles {

namespace {

// Windows-1252, as spreadsheets on Windows save older downloads: Latin-1 but
// for 0x80-0x9F, which hold curly quotes, dashes and the euro sign (a country
// name may hold a curly apostrophe). The five unassigned bytes stay as Latin-1
// reads them.
QString fromWindows1252(const QByteArray& bytes)
{
    static constexpr char16_t High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text = QString::fromLatin1(bytes);
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar(High[c.unicode() - 0x80]);
    }
    return text;
}

} // namespace

QString decodeText(const QByteArray& bytes, bool& utf8)
{
    QString text;
    utf8 = false;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        text = decoder.decode(bytes.mid(2));
        // Qt lets unpaired surrogates through; text with them is no text.
        bool paired = true;
        for (qsizetype i = 0; i < text.size() && paired; ++i) {
            if (text[i].isHighSurrogate())
                paired = i + 1 < text.size() && text[++i].isLowSurrogate();
            else
                paired = !text[i].isLowSurrogate();
        }
        if (decoder.hasError() || !paired || bytes.size() % 2 != 0)
            throw FileFault{QCoreApplication::translate("RateFiles", "%1 is not a text file.")};
    } else {
        QStringDecoder decoder(QStringConverter::Utf8);
        text = decoder.decode(bytes);
        utf8 = !decoder.hasError();
        if (!utf8)
            text = fromWindows1252(bytes);
    }
    for (QChar c : std::as_const(text)) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0x7F)
            throw FileFault{QCoreApplication::translate("RateFiles", "%1 is not a text file (it holds binary data).")};
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace ratefiles
