#pragma once

// Printing goes through choosePrinter, so a test can replace the print dialog
// and print to a PDF file without one, as MsgBox does for message boxes; and
// through printDocument, which reports what went wrong.

#include <QString>

#include <functional>

class QPrinter;
class QTextDocument;
class QWidget;

namespace widgets {

// Sets up printer (a device, or a PDF file) as the user chooses; false when
// the user cancelled.
using PrintDialogHandler = std::function<bool(QPrinter&)>;

// The system's print dialog, with its printers and its choice of a PDF file.
bool choosePrinter(QWidget* owner, QPrinter& printer);

// Replaces the dialog (tests); an empty handler restores the real one.
void setPrintDialogHandler(PrintDialogHandler handler);

// Prints document, paged, on printer. A PDF file is made whole in memory and
// then put in place durably, so a full disk never leaves half a file. Returns
// an empty string, or why it failed.
QString printDocument(const QTextDocument& document, QPrinter& printer);

} // namespace widgets
