#include "widgets/Printing.h"

#include "ratefiles/DurableFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace widgets {

namespace {

PrintDialogHandler& handler()
{
    static PrintDialogHandler h;
    return h;
}

QString printToPdf(const QTextDocument& document, const QPrinter& printer)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setTitle(printer.docName());
        writer.setCreator(QCoreApplication::applicationName());
        document.print(&writer);
    }
    if (buffer.data().isEmpty())
        return QCoreApplication::translate("Printing", "The PDF could not be made.");
    return ratefiles::replaceFileDurably(printer.outputFileName(), buffer.data());
}

} // namespace

bool choosePrinter(QWidget* owner, QPrinter& printer)
{
    if (handler())
        return handler()(printer);
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

void setPrintDialogHandler(PrintDialogHandler h)
{
    handler() = std::move(h);
}

QString printDocument(const QTextDocument& document, QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return printToPdf(document, printer);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        return QCoreApplication::translate("Printing", "The printer could not take the job.");
    return {};
}

} // namespace widgets
