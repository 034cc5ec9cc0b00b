#include "calculator/DayReport.h"

#include "calculator/Receipt.h"
#include "data/NumberForm.h"
#include "ratefiles/Csv.h"
#include "ratefiles/DurableFile.h"
#include "widgets/Printing.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

QString shown(data::Money m)
{
    return data::shownForm(m.toText());
}

QString shown(const std::optional<data::Money>& m)
{
    return m ? shown(*m) : QString();
}

QString point(const std::optional<data::Money>& m)
{
    return m ? m->toText() : QString();
}

QString kindKey(data::EntryKind kind)
{
    switch (kind) {
    case data::EntryKind::Deal:
        return u"deal"_s;
    case data::EntryKind::Void:
        return u"void"_s;
    case data::EntryKind::Float:
        return u"float"_s;
    case data::EntryKind::Count:
        return u"count"_s;
    }
    return {};
}

QString htmlTable(const QStringList& captions, const std::vector<QStringList>& rows)
{
    QString html = u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>"_s;
    for (const QString& caption : captions)
        html += u"<th>%1</th>"_s.arg(caption.toHtmlEscaped());
    html += u"</tr>"_s;
    for (const QStringList& row : rows) {
        html += u"<tr>"_s;
        for (const QString& cell : row)
            html += u"<td>%1</td>"_s.arg(cell.toHtmlEscaped());
        html += u"</tr>"_s;
    }
    return html + u"</table>"_s;
}

QStringList entryCells(const data::JournalEntry& e)
{
    return {receiptNumber(e.number), QLocale().toString(e.time.time(), QLocale::ShortFormat), entryKindText(e), e.till,
            entryText(e)};
}

QStringList csvEntryRow(const data::JournalEntry& e)
{
    const data::Deal& d = e.deal;
    const bool deal = e.kind == data::EntryKind::Deal;
    const auto money = [deal](data::Money m) { return deal ? m.toText() : QString(); };
    return {QString::number(e.number),
            e.time.toString(Qt::ISODate),
            kindKey(e.kind),
            e.till,
            deal ? d.customer : QString(),
            deal ? currencyLabel(d.from) : e.currency,
            deal ? d.amount.toText() : QString(),
            deal ? currencyLabel(d.to) : QString(),
            money(d.exchanged),
            money(d.commission),
            deal ? (d.minimumApplied ? u"yes"_s : u"no"_s) : QString(),
            money(d.total),
            money(d.paidOut),
            money(d.paidInPounds),
            e.kind == data::EntryKind::Void ? QString::number(e.voids) : QString(),
            e.reason,
            e.kind == data::EntryKind::Float || e.kind == data::EntryKind::Count ? e.amount.toText() : QString()};
}

} // namespace

QPageLayout dayPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

DayReport readDayReport(data::Journal& journal, QDate day)
{
    return {day, journal.entriesOfDay(day), journal.daySummary(day)};
}

QString entryKindText(const data::JournalEntry& entry)
{
    switch (entry.kind) {
    case data::EntryKind::Deal:
        return QCoreApplication::translate("DayReport", "Deal");
    case data::EntryKind::Void:
        return QCoreApplication::translate("DayReport", "Void");
    case data::EntryKind::Float:
        return QCoreApplication::translate("DayReport", "Opening float");
    case data::EntryKind::Count:
        return QCoreApplication::translate("DayReport", "Closing count");
    }
    return {};
}

QString entryText(const data::JournalEntry& e)
{
    switch (e.kind) {
    case data::EntryKind::Deal:
        return QCoreApplication::translate("DayReport", "%1 %2 for %3 %4")
            .arg(shown(e.deal.amount), currencyLabel(e.deal.from), shown(e.deal.total), currencyLabel(e.deal.to));
    case data::EntryKind::Void:
        return QCoreApplication::translate("DayReport", "voids %1: %2").arg(receiptNumber(e.voids), e.reason);
    case data::EntryKind::Float:
    case data::EntryKind::Count:
        return shown(e.amount) + u' ' + e.currency;
    }
    return {};
}

QStringList currencyCaptions()
{
    return {QCoreApplication::translate("DayReport", "Currency"),
            QCoreApplication::translate("DayReport", "Bought"),
            QCoreApplication::translate("DayReport", "Sold"),
            QCoreApplication::translate("DayReport", "Commission"),
            QCoreApplication::translate("DayReport", "Commission (£)"),
            QCoreApplication::translate("DayReport", "Opening float"),
            QCoreApplication::translate("DayReport", "Expected"),
            QCoreApplication::translate("DayReport", "Closing count"),
            QCoreApplication::translate("DayReport", "Difference")};
}

QStringList currencyCells(const data::CurrencyDay& c)
{
    return {c.currency,
            shown(c.bought),
            shown(c.sold),
            shown(c.commission),
            shown(c.commissionInPounds),
            shown(c.openingFloat),
            shown(c.expected),
            shown(c.closingCount),
            shown(c.difference)};
}

std::unique_ptr<QTextDocument> dayDocument(const DayReport& report)
{
    QString html = u"<h2>%1</h2>"_s.arg(QCoreApplication::translate("DayReport", "Deals of %1")
                                            .arg(QLocale().toString(report.day, QLocale::LongFormat))
                                            .toHtmlEscaped());
    std::vector<QStringList> rows;
    for (const data::CurrencyDay& c : report.currencies)
        rows.push_back(currencyCells(c));
    html += htmlTable(currencyCaptions(), rows);
    rows.clear();
    for (const data::JournalEntry& e : report.entries)
        rows.push_back(entryCells(e));
    html += u"<h3>%1</h3>"_s.arg(QCoreApplication::translate("DayReport", "Entries").toHtmlEscaped());
    html +=
        htmlTable({QCoreApplication::translate("DayReport", "Number"), QCoreApplication::translate("DayReport", "Time"),
                   QCoreApplication::translate("DayReport", "Entry"), QCoreApplication::translate("DayReport", "Till"),
                   QCoreApplication::translate("DayReport", "Details")},
                  rows);
    auto doc = std::make_unique<QTextDocument>();
    QFont font = doc->defaultFont();
    font.setPointSizeF(9.0);
    doc->setDefaultFont(font);
    doc->setHtml(html);
    paginateFor(*doc, dayPageLayout());
    return doc;
}

QByteArray dayCsv(const DayReport& report)
{
    using ratefiles::Csv::line;
    QString text = line({u"Number"_s, u"Time"_s, u"Kind"_s, u"Till"_s, u"Customer"_s, u"Given currency"_s, u"Given"_s,
                         u"Received currency"_s, u"Exchanged"_s, u"Commission"_s, u"Minimum"_s, u"Total"_s,
                         u"Paid out"_s, u"Paid in pounds"_s, u"Voids"_s, u"Reason"_s, u"Amount"_s})
        + u"\r\n"_s;
    for (const data::JournalEntry& e : report.entries)
        text += line(csvEntryRow(e)) + u"\r\n"_s;
    text += u"\r\n"_s;
    text += line({u"Date"_s, u"Currency"_s, u"Bought"_s, u"Sold"_s, u"Commission"_s, u"Commission in pounds"_s,
                  u"Opening float"_s, u"Expected"_s, u"Closing count"_s, u"Difference"_s})
        + u"\r\n"_s;
    for (const data::CurrencyDay& c : report.currencies)
        text += line({report.day.toString(Qt::ISODate), c.currency, c.bought.toText(), c.sold.toText(),
                      c.commission.toText(), c.commissionInPounds.toText(), point(c.openingFloat), c.expected.toText(),
                      point(c.closingCount), point(c.difference)})
            + u"\r\n"_s;
    return text.toUtf8();
}

QString writeDayPdf(const QString& path, const DayReport& report)
{
    const auto doc = dayDocument(report);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QCoreApplication::translate("DayReport", "Deals of %1").arg(report.day.toString(Qt::ISODate)));
    printer.setPageLayout(dayPageLayout());
    return widgets::printDocument(*doc, printer);
}

QString writeDayCsv(const QString& path, const DayReport& report)
{
    return ratefiles::replaceFileDurably(path, dayCsv(report));
}

} // namespace calculator
