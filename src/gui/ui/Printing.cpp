#include "gui/ui/Printing.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>
#include <algorithm>
#include <memory>

#include "core/ProgramInfo.h"
#include "core/output/ExportFileName.h"
#include "core/records/SafeSave.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"

namespace courtlog::gui::ui {

namespace {

std::unique_ptr<QPrinter>& printerSlot() {
    static std::unique_ptr<QPrinter> printer;
    return printer;
}

// The orientation the user picked in the printer setup, if any.
std::optional<QPageLayout::Orientation>& chosenOrientation() {
    static std::optional<QPageLayout::Orientation> orientation;
    return orientation;
}

QString& pdfInstead() {
    static QString path;
    return path;
}

// Asks the printout for its pages and draws pages first..last (all when
// last is 0), each on its own sheet. The page rectangle is the printable
// area in device pixels.
bool renderPages(QPagedPaintDevice& device, Printout& printout, int first, int last) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRect page = painter.viewport();
    const int pageCount = printout.pageCount(painter, page);
    first = std::max(first, 1);
    last = last > 0 ? std::min(last, pageCount) : pageCount;
    bool firstSheet = true;
    for (int number = first; number <= last; ++number) {
        if (!firstSheet && !device.newPage()) {
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

// On a printer, the pages the print dialog chose.
bool renderOnPrinter(QPrinter& printer, Printout& printout) {
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    return renderPages(printer, printout, range ? printer.fromPage() : 1, range ? printer.toPage() : 0);
}

void saveAsPdf(QWidget* owner, Printout& printout) {
    FileDialogOptions options;
    options.filters = QStringLiteral("PDF Document (*.pdf)|*.pdf");
    options.defaultExtension = QStringLiteral("pdf");
    options.title = QStringLiteral("Save as PDF");
    options.folder = FileFolder::Printouts;
    options.suggestedNames = {
        QString::fromStdString(courtlog::output::exportFileName(printout.title().toStdString(), {}))};
    const auto choice = getSaveFile(owner, options);
    if (!choice) return;
    std::string reason;
    if (!printToPdf(printout, choice->path, &reason)) showFileSaveFailure(owner, choice->path, reason);
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
    QPrinter& printer = sharedPrinter();
    const QPageLayout::Orientation shown = chosenOrientation().value_or(printer.pageLayout().orientation());
    printer.setPageOrientation(shown);
    QPageSetupDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("printerSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    if (dialog.exec() == QDialog::Accepted && printer.pageLayout().orientation() != shown)
        chosenOrientation() = printer.pageLayout().orientation();
}

QPageLayout::Orientation printOrientation(const Printout& printout) {
    return chosenOrientation().value_or(printout.orientation());
}

void printWithPreview(QWidget* owner, Printout& printout) {
    if (!pdfInstead().isEmpty()) {
        printToPdf(printout, pdfInstead());
        return;
    }
    QPrinter& printer = sharedPrinter();
    // The preview may turn the pages; the next printout starts from its own
    // way round again.
    const QPageLayout::Orientation before = printer.pageLayout().orientation();
    printer.setPageOrientation(printOrientation(printout));
    printer.setDocName(printout.title());
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    QPrintPreviewDialog preview(&printer, owner);
    preview.setObjectName(QStringLiteral("printPreviewDialog"));
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&printout](QPrinter* target) { renderOnPrinter(*target, printout); });
    if (auto* tools = preview.findChild<QToolBar*>()) {
        tools->addSeparator();
        QAction* save = tools->addAction(QStringLiteral("Save as PDF..."));
        save->setObjectName(QStringLiteral("saveAsPdfAction"));
        save->setToolTip(QStringLiteral("Save these pages as a PDF file"));
        QObject::connect(save, &QAction::triggered, &preview, [&preview, &printout] { saveAsPdf(&preview, printout); });
    }
    // A large window, so a page can be read without zooming first.
    preview.resize(900, 700);
    preview.exec();
    printer.setPageOrientation(before);
}

std::optional<QByteArray> renderPdf(Printout& printout) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(sharedPrinter().resolution());
        QPageLayout layout = sharedPrinter().pageLayout();
        layout.setOrientation(printOrientation(printout));
        pdf.setPageLayout(layout);
        pdf.setTitle(printout.title());
        pdf.setCreator(QString::fromLatin1(kProgramTitle));
        if (!renderPages(pdf, printout, 1, 0)) return std::nullopt;
    }
    return bytes;
}

bool printToPdf(Printout& printout, const QString& pdfPath, std::string* error) {
    const std::optional<QByteArray> bytes = renderPdf(printout);
    if (!bytes) {
        if (error) *error = "the pages could not be drawn";
        return false;
    }
    return safeSave(toRecordPath(pdfPath), std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())),
                    error);
}

namespace testing {

void printToFileInstead(const QString& pdfPath) { pdfInstead() = pdfPath; }

void setChosenOrientation(std::optional<QPageLayout::Orientation> orientation) { chosenOrientation() = orientation; }

}  // namespace testing

}  // namespace courtlog::gui::ui
