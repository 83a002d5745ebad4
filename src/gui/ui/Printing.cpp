#include "gui/ui/Printing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "core/ProgramInfo.h"

namespace courtlog::gui::ui {

namespace {

std::unique_ptr<QPrinter>& printerSlot() {
    static std::unique_ptr<QPrinter> printer;
    return printer;
}

QString& pdfInstead() {
    static QString path;
    return path;
}

// Asks the printout for its pages and draws the chosen ones, each on its
// own sheet. The page rectangle is the printable area in device pixels.
bool renderPrintout(QPrinter& printer, Printout& printout) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const int pageCount = printout.pageCount(painter, page);
    int first = 1;
    int last = pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage() > 0 ? printer.toPage() : last);
    }
    bool firstSheet = true;
    for (int number = first; number <= last; ++number) {
        if (!firstSheet && !printer.newPage()) {
            painter.end();
            return false;
        }
        firstSheet = false;
        painter.save();
        printout.drawPage(painter, page, number);
        painter.restore();
    }
    const bool ok = painter.end();
    return ok && !firstSheet;
}

}  // namespace

QPrinter& sharedPrinter() {
    std::unique_ptr<QPrinter>& printer = printerSlot();
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without an installed printer Qt prints to PDF; the print dialog then
        // asks for a file name.
        if (QPrinterInfo::availablePrinters().isEmpty()) printer->setOutputFormat(QPrinter::PdfFormat);
        // The printer goes before the application does; print engines need it.
        qAddPostRoutine([] { printerSlot().reset(); });
    }
    return *printer;
}

void printerSetup(QWidget* owner) {
    QPageSetupDialog dialog(&sharedPrinter(), owner);
    dialog.setObjectName(QStringLiteral("printerSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.exec();
}

bool print(QWidget* owner, Printout& printout) {
    if (!pdfInstead().isEmpty()) return printToPdf(printout, pdfInstead());

    QPrinter& printer = sharedPrinter();
    printer.setDocName(printout.title());
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    QPrintDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    return renderPrintout(printer, printout);
}

bool printToPdf(Printout& printout, const QString& pdfPath) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(pdfPath);
    pdf.setPageLayout(sharedPrinter().pageLayout());
    pdf.setDocName(printout.title());
    pdf.setCreator(QString::fromLatin1(kProgramTitle));
    return renderPrintout(pdf, printout) && QFileInfo::exists(pdfPath);
}

namespace testing {

void printToFileInstead(const QString& pdfPath) { pdfInstead() = pdfPath; }

}  // namespace testing

}  // namespace courtlog::gui::ui

