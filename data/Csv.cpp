#include "data/Csv.h"

using namespace Qt::StringLiterals;

namespace MOD_Data::Csv {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool allBlank(const QStringList& fields)
{
    for (const QString& f : fields) {
        for (QChar c : f) {
            if (!isBlank(c))
                return false;
        }
    }
    return true;
}

} // namespace

Result parse(QStringView text)
{
    Result result;
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);

    Record record;
    QString fieldText;
    bool quoted = false;     // inside "..."
    bool wasQuoted = false;  // the current field was quoted; only blanks may follow
    bool started = false;    // the current record has at least one character
    int line = 1;
    record.line = 1;

    auto fail = [&](const QString& why) {
        result.records.clear();
        result.error = why;
        result.errorLine = line;
        return result;
    };
    auto endField = [&] {
        record.fields.append(fieldText);
        fieldText.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        if (started) {
            endField();
            if (!allBlank(record.fields))
                result.records.push_back(std::move(record));
        }
        record = Record{};
        started = false;
    };

    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    fieldText += u'"';
                    ++i;
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                if (c == u'\n' || (c == u'\r' && !(i + 1 < n && text[i + 1] == u'\n')))
                    ++line;
                fieldText += c;
            }
            continue;
        }
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            continue;
        if (c == u'\n' || c == u'\r') {
            endRecord();
            ++line;
            record.line = line;
            continue;
        }
        if (!started) {
            started = true;
            record.line = line;
        }
        if (c == u',') {
            endField();
        } else if (c == u'"') {
            if (wasQuoted)
                return fail(u"text after a closing quote."_s);
            bool onlyBlanks = true;
            for (QChar b : fieldText)
                onlyBlanks = onlyBlanks && isBlank(b);
            if (!onlyBlanks)
                return fail(u"a quote inside an unquoted field."_s);
            fieldText.clear();
            quoted = true;
        } else if (wasQuoted) {
            if (!isBlank(c))
                return fail(u"text after a closing quote."_s);
        } else {
            fieldText += c;
        }
    }
    if (quoted)
        return fail(u"a quoted field is not closed."_s);
    endRecord();
    return result;
}

QString field(const QString& value)
{
    const bool needsQuotes = value.contains(u',') || value.contains(u'"') || value.contains(u'\n')
                             || value.contains(u'\r')
                             || (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back())))
                             || value.startsWith(QChar(0xFEFF));  // else read as a byte-order mark
    if (!needsQuotes)
        return value;
    QString out = value;
    out.replace(u"\""_s, u"\"\""_s);
    return u'"' + out + u'"';
}

QString line(const QStringList& fields)
{
    QString out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += u',';
        out += field(fields[i]);
    }
    return out;
}

} // namespace MOD_Data::Csv
