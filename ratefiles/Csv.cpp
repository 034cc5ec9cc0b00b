#include "ratefiles/Csv.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace ratefiles::Csv {

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

// A lone CR ends a line as LF and CR LF do.
int lineBreaks(QStringView text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n')))
            ++n;
    }
    return n;
}

} // namespace

Reader::Reader(QStringView text, QChar separator)
    : text_(text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text)
    , separator_(separator)
{
}

bool Reader::failed(const QString& why)
{
    error_ = why;
    errorLine_ = line_;
    pos_ = text_.size();
    return false;
}

bool Reader::next(Record& record)
{
    while (error_.isEmpty() && pos_ < text_.size()) {
        if (!readRecord(record))
            return false;
        if (!allBlank(record.fields))
            return true;
    }
    return false;
}

bool Reader::readRecord(Record& record)
{
    record.fields.clear();
    record.line = line_;
    const qsizetype n = text_.size();
    qsizetype i = pos_;
    for (;;) {
        const qsizetype start = i;
        while (i < n && text_[i] != separator_ && text_[i] != u'\n' && text_[i] != u'\r' && text_[i] != u'"')
            ++i;
        if (i < n && text_[i] == u'"') {
            for (QChar b : text_.sliced(start, i - start)) {
                if (!isBlank(b))
                    return failed(QCoreApplication::translate("RateFiles", "a quote inside an unquoted field."));
            }
            QString value;
            ++i;
            for (;;) {
                const qsizetype quote = text_.indexOf(u'"', i);
                const QStringView chunk = text_.sliced(i, (quote < 0 ? n : quote) - i);
                line_ += lineBreaks(chunk);
                if (quote < 0)
                    return failed(QCoreApplication::translate("RateFiles", "a quoted field is not closed."));
                value += chunk;
                i = quote + 1;
                if (i < n && text_[i] == u'"') {
                    value += u'"';
                    ++i;
                } else {
                    break;
                }
            }
            while (i < n && isBlank(text_[i]) && text_[i] != separator_)
                ++i;
            if (i < n && text_[i] != separator_ && text_[i] != u'\n' && text_[i] != u'\r')
                return failed(QCoreApplication::translate("RateFiles", "text after a closing quote."));
            record.fields.append(value);
        } else {
            record.fields.append(text_.sliced(start, i - start).toString());
        }
        if (i < n && text_[i] == separator_) {
            if (record.fields.size() == MaxFields)
                return failed(
                    QCoreApplication::translate("RateFiles", "more than %1 fields on one line.").arg(MaxFields));
            ++i;
            continue;
        }
        if (i < n) {
            if (text_[i] == u'\r' && i + 1 < n && text_[i + 1] == u'\n')
                ++i;
            ++i;
            ++line_;
        }
        pos_ = i;
        return true;
    }
}

Result parse(QStringView text, QChar separator)
{
    Result result;
    Reader reader(text, separator);
    Record record;
    while (reader.next(record))
        result.records.push_back(std::move(record));
    if (!reader.error().isEmpty()) {
        result.records.clear();
        result.error = reader.error();
        result.errorLine = reader.errorLine();
    }
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

} // namespace ratefiles::Csv
