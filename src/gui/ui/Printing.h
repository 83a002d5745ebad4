#pragma once

#include <QString>

class QPainter;
class QPrinter;
class QRect;
class QWidget;

namespace courtlog::gui::ui {

// A printout: counts its pages and draws each into a page rectangle. The same
// drawing serves the printer, PDF files and test images.
class Printout {
public:
    virtual ~Printout() = default;
    virtual QString title() const = 0;
    virtual int pageCount(QPainter& painter, const QRect& page) = 0;
    virtual void drawPage(QPainter& painter, const QRect& page, int pageNumber) = 0;  // 1-based
};

// The one printer of the program. Without a printer installed it prints to
// PDF (the print dialog offers a file name).
QPrinter& sharedPrinter();
// The printer setup dialog of the shared printer.
void printerSetup(QWidget* owner);
// Prints through the shared printer with the print dialog; false when
// cancelled or failed.
bool print(QWidget* owner, Printout& printout);
// Renders every page to a PDF file; used by tests and "print to file".
bool printToPdf(Printout& printout, const QString& pdfPath);

namespace testing {
// While set, print() writes to this PDF file without showing a dialog.
void printToFileInstead(const QString& pdfPath);
}  // namespace testing

}  // namespace courtlog::gui::ui
