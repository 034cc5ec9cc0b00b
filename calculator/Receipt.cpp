#include "calculator/Receipt.h"

#include "calculator/Pricing.h"
#include "data/NumberForm.h"
#include "widgets/Printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

QString money(data::Money m, const QString& currency)
{
    return data::shownForm(m.toText()) + u' ' + currency;
}

// "1 GBP = 1.19388 EUR"
QString rateLine(double rate, const QString& currency)
{
    return u"1 GBP = "_s + dealRateText(rate) + u' ' + currency;
}

QString row(const QString& caption, const QString& value)
{
    return u"<tr><td>%1</td><td align=\"right\">%2</td></tr>"_s.arg(caption.toHtmlEscaped(), value.toHtmlEscaped());
}

QString headHtml(const data::JournalEntry& entry, const maintenance::ReceiptOptions& options, bool copy)
{
    QString html;
    if (!options.shopName.isEmpty())
        html += u"<p align=\"center\"><b>%1</b></p>"_s.arg(options.shopName.toHtmlEscaped());
    if (!options.shopAddress.isEmpty())
        html += u"<p align=\"center\">%1</p>"_s.arg(options.shopAddress.toHtmlEscaped().replace(u'\n', u"<br>"_s));
    html += u"<h3 align=\"center\">%1 %2</h3>"_s.arg(QCoreApplication::translate("Receipt", "Receipt"),
                                                     receiptNumber(entry.number));
    if (copy)
        html += u"<h3 align=\"center\">%1</h3>"_s.arg(QCoreApplication::translate("Receipt", "COPY"));
    return html;
}

// The resolution a document lays out at: the screen's logical one, from which
// printing scales to the printer's.
qreal layoutDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchX()) : 100;
}

} // namespace

QString receiptNumber(std::int64_t number)
{
    return u"%1"_s.arg(number, 6, 10, QChar(u'0'));
}

QString currencyLabel(const data::DealSide& side)
{
    return side.currency.isEmpty() ? side.unit : side.currency;
}

std::vector<std::pair<QString, QString>> dealLines(const data::Deal& d)
{
    const QString from = currencyLabel(d.from);
    const QString to = currencyLabel(d.to);
    std::vector<std::pair<QString, QString>> lines{
        {QCoreApplication::translate("Receipt", "From:"), u"%1 (%2)"_s.arg(d.from.country, d.from.unit)},
        {QCoreApplication::translate("Receipt", "To:"), u"%1 (%2)"_s.arg(d.to.country, d.to.unit)},
        {QCoreApplication::translate("Receipt", "Given:"), money(d.amount, from)},
    };
    // The pound's side has no rate of its own.
    if (d.from.country != PivotCountry)
        lines.emplace_back(QCoreApplication::translate("Receipt", "We buy at:"), rateLine(d.buyRate, from));
    if (d.to.country != PivotCountry)
        lines.emplace_back(QCoreApplication::translate("Receipt", "We sell at:"), rateLine(d.sellRate, to));
    lines.emplace_back(QCoreApplication::translate("Receipt", "Exchanged:"), money(d.exchanged, to));
    lines.emplace_back(d.minimumApplied ? QCoreApplication::translate("Receipt", "Commission (minimum):")
                                        : QCoreApplication::translate("Receipt", "Commission:"),
                       money(d.commission, to) + u" ("_s + data::shownForm(d.commissionPercent) + u" %)"_s);
    lines.emplace_back(QCoreApplication::translate("Receipt", "Total:"), money(d.total, to));
    lines.emplace_back(QCoreApplication::translate("Receipt", "Paid out:"), money(d.paidOut, to));
    lines.emplace_back(QCoreApplication::translate("Receipt", "Paid in pounds:"), money(d.paidInPounds, u"GBP"_s));
    return lines;
}

std::unique_ptr<QTextDocument> receiptDocument(const data::JournalEntry& entry,
                                               const maintenance::ReceiptOptions& options, bool copy)
{
    QString html = headHtml(entry, options, copy);
    html += u"<table width=\"100%\">"_s;
    const QLocale locale;
    html +=
        row(QCoreApplication::translate("Receipt", "Date:"), locale.toString(entry.time.date(), QLocale::ShortFormat));
    html +=
        row(QCoreApplication::translate("Receipt", "Time:"), locale.toString(entry.time.time(), QLocale::ShortFormat));
    html += row(QCoreApplication::translate("Receipt", "Till:"), entry.till);
    if (!entry.deal.customer.isEmpty())
        html += row(QCoreApplication::translate("Receipt", "Customer:"), entry.deal.customer);
    for (const auto& [caption, value] : dealLines(entry.deal))
        html += row(caption, value);
    html += u"</table>"_s;
    auto doc = std::make_unique<QTextDocument>();
    QFont font = doc->defaultFont();
    font.setPointSizeF(options.layout == maintenance::ReceiptLayout::A4 ? 11.0 : 8.0);
    doc->setDefaultFont(font);
    doc->setDocumentMargin(0);
    doc->setHtml(html);
    paginateFor(*doc, receiptPageLayout(options.layout, *doc));
    return doc;
}

QPageLayout receiptPageLayout(maintenance::ReceiptLayout layout, const QTextDocument& doc)
{
    if (layout == maintenance::ReceiptLayout::A4)
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                           QPageLayout::Millimeter);
    // A roll is cut after the receipt: the page is as long as the receipt,
    // so no paper runs out blank.
    constexpr qreal width = 80, margin = 4;
    const std::unique_ptr<QTextDocument> probe(doc.clone());
    probe->setTextWidth((width - 2 * margin) / 25.4 * layoutDpi());
    const qreal length = probe->size().height() / layoutDpi() * 25.4 + 2 * margin + 5;
    return QPageLayout(QPageSize(QSizeF(width, std::max(length, width)), QPageSize::Millimeter, u"80 mm roll"_s),
                       QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

void paginateFor(QTextDocument& doc, const QPageLayout& layout)
{
    const QRectF page = layout.paintRect(QPageLayout::Inch);
    doc.setPageSize(QSizeF(page.width() * layoutDpi(), page.height() * layoutDpi()));
}

QString receiptFileName(std::int64_t number, bool copy)
{
    return receiptNumber(number) + (copy ? u" COPY.pdf"_s : u".pdf"_s);
}

QString issueReceipt(QWidget* owner, const data::JournalEntry& entry, bool copy)
{
    using maintenance::ReceiptDestination;
    const maintenance::ReceiptOptions options = maintenance::loadReceiptOptions();
    if (options.destination == ReceiptDestination::Nowhere && !copy)
        return {};
    const auto doc = receiptDocument(entry, options, copy);
    const QPageLayout page = receiptPageLayout(options.layout, *doc);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("Receipt", "Receipt") + u' ' + receiptNumber(entry.number));
    printer.setPageLayout(page);
    switch (options.destination) {
    case ReceiptDestination::Folder:
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(options.folder).filePath(receiptFileName(entry.number, copy)));
        break;
    case ReceiptDestination::Printer:
        if (QPrinterInfo::defaultPrinter().isNull())
            return QCoreApplication::translate("Receipt", "No printer is set up on this computer.");
        printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
        break;
    case ReceiptDestination::Nowhere:
        if (!widgets::choosePrinter(owner, printer))
            return {};
        break;
    }
    printer.setPageLayout(page);
    return widgets::printDocument(*doc, printer);
}

} // namespace calculator
