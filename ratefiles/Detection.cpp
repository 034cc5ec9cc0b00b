#include "ratefiles/RateFile.h"

#include "ratefiles/Decoding.h"
#include "ratefiles/ExportHeader.h"
#include "ratefiles/Readers.h"
#include "ratefiles/Reading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <optional>

using namespace Qt::StringLiterals;

namespace ratefiles {

namespace {

// A CSV file's kind and separator come from its first line: the separator is
// the one (comma, semicolon or tab) that makes it a header this program knows.
RateFile readCsv(const QString& text, RateFile file)
{
    std::optional<FileFault> commaFault;
    for (const QChar separator : {u',', u';', u'\t'}) {
        Csv::Reader csv(text, separator);
        Csv::Record header;
        if (!csv.next(header)) {
            if (!csv.error().isEmpty()) {
                if (separator == u',')
                    commaFault = FileFault{csv.error(), csv.errorLine()};
                continue;
            }
            throw FileFault{QCoreApplication::translate("RateFiles", "%1 is empty.")};
        }
        const QStringList words = withoutTrailingBlanks(header.fields);
        if (isExportHeader(words))
            return readExport(csv, words.size(), separator, std::move(file));
        if (isExportMarker(words)) {
            const qsizetype columns = readExportPreamble(csv, header, file);
            return readExport(csv, columns, separator, std::move(file));
        }
        if (header.fields.front().trimmed().compare(u"Date", Qt::CaseInsensitive) == 0 && words.size() > 1)
            return readEcbCsv(csv, header, separator, std::move(file));
        if (const UkColumns cols = ukColumns(header.fields); cols.found())
            return readUkCsv(csv, cols, separator, std::move(file));
        if (separator == u',') {
            //: Said of the file; follows "<file>, line <number>:".
            commaFault = FileFault{QCoreApplication::translate("RateFiles",
                                                               "is not a rate file this program knows: its first line "
                                                               "is neither the header of published rates nor that of "
                                                               "an export."),
                                   header.line};
        }
    }
    throw *commaFault;
}

// utf8: the file as read when it was read as UTF-8, else null (the XML reader is
// faster on bytes, and then follows the encoding the file declares).
RateFile parseText(QString text, const QByteArray& utf8, RateFile file)
{
    qsizetype first = 0;
    while (first < text.size() && text[first].isSpace())
        ++first;
    if (first == text.size())
        throw FileFault{QCoreApplication::translate("RateFiles", "%1 is empty.")};

    if (text[first] == u'<') {
        QXmlStreamReader xml;
        if (utf8.isNull()) {
            xml.addData(text);
        } else {
            text.clear();  // twice the file's size, not needed again
            xml.addData(utf8);
        }
        while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        }
        if (xml.hasError())
            throw FileFault{QCoreApplication::translate("RateFiles", "the XML is malformed: %1").arg(xml.errorString()),
                            xml.lineNumber()};
        if (xml.name() == u"exchangeRateMonthList")
            return readUkXml(xml, std::move(file));
        if (xml.name() == u"Envelope")
            return readEcbXml(xml, std::move(file));
        throw FileFault{QCoreApplication::translate(
                            "RateFiles", "%1 is not a rate file this program knows: its XML starts with <%2>."),
                        0, xml.qualifiedName().toString()};
    }
    return readCsv(text, std::move(file));
}

FileFault tooLarge()
{
    return FileFault{QCoreApplication::translate("RateFiles", "%1 is too large for a rate file (over %2 MB)."), 0,
                     QString::number(MaxRateFileBytes / (1024 * 1024))};
}

RateFileResult failure(const QString& path, const FileFault& bad)
{
    RateFileResult result;
    // One pass each: a name or a detail holding "%1" is shown as it is.
    if (bad.line > 0) {
        result.error = QCoreApplication::translate("RateFiles", "%1, line %2: %3")
                           .arg(fileLabel(path), QString::number(bad.line), bad.why);
    } else {
        result.error = bad.detail ? bad.why.arg(fileLabel(path), *bad.detail) : bad.why.arg(fileLabel(path));
    }
    return result;
}

} // namespace

RateFileResult parseRateFile(const QByteArray& bytes, const QString& path)
{
    try {
        if (bytes.size() > MaxRateFileBytes)
            throw tooLarge();
        RateFile file;
        file.path = path;
        bool utf8 = false;
        QString text = decodeText(bytes, utf8);
        return RateFileResult{parseText(std::move(text), utf8 ? bytes : QByteArray(), std::move(file)), {}};
    } catch (const FileFault& bad) {
        return failure(path, bad);
    }
}

RateFileResult readRateFile(const QString& path)
{
    // A folder, a pipe or a device is no rate file, and a pipe could block the window.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failure(path, FileFault{QCoreApplication::translate("RateFiles", "%1 is not a file.")});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(
            path, FileFault{QCoreApplication::translate("RateFiles", "%1 cannot be read: %2"), 0, file.errorString()});
    if (file.size() > MaxRateFileBytes)
        return failure(path, tooLarge());
    // Read one byte past the limit: a pipe or a growing file has no size to trust.
    const QByteArray bytes = file.read(MaxRateFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(
            path, FileFault{QCoreApplication::translate("RateFiles", "%1 cannot be read: %2"), 0, file.errorString()});
    return parseRateFile(bytes, path);
}

QString fileLabel(const QString& path)
{
    return quoted(QDir::toNativeSeparators(path));
}

} // namespace ratefiles
