#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <optional>
#include <string>

class QPainter;
class QPrinter;
class QRect;
class QWidget;

namespace courtlog::gui::ui {

// A printout: counts its pages and draws each into a page rectangle. The same
// drawing serves the print preview, the printer, PDF files and test images.
class Printout {
public:
    virtual ~Printout() = default;
    virtual QString title() const = 0;
    // The way round its pages are printed unless the user has chosen one in
    // the printer setup: a table too wide for an upright page asks for
    // landscape.
    virtual QPageLayout::Orientation orientation() const { return QPageLayout::Portrait; }
    virtual int pageCount(QPainter& painter, const QRect& page) = 0;
    virtual void drawPage(QPainter& painter, const QRect& page, int pageNumber) = 0;  // 1-based
};

// The one printer of the program. Without a printer installed it prints to
// PDF (its print dialog asks for a file name). Its paper size (Letter or A4,
// as the system's locale has it, or as chosen in the printer setup) is the
// page size of every printout, in the preview and in PDF files too.
QPrinter& sharedPrinter();
// The printer setup dialog of the shared printer. An orientation the user
// changes there is kept for every later printout of the run; until then each
// printout comes out the way round it asks for.
void printerSetup(QWidget* owner);
// The orientation printout is printed in: the one chosen in the printer
// setup, else its own.
QPageLayout::Orientation printOrientation(const Printout& printout);

// What every "&Print" of the program does: opens the print preview
// ("Print Preview", object name "printPreviewDialog") of exactly the pages
// printout draws, on the shared printer's paper. From it the user prints
// (the print dialog picks the printer and the pages) or saves the pages as a
// PDF file ("Save as PDF..."); closing it prints nothing.
void printWithPreview(QWidget* owner, Printout& printout);

// Every page of printout as a PDF document on the shared printer's paper;
// nullopt when the pages cannot be drawn.
std::optional<QByteArray> renderPdf(Printout& printout);
// The same written to pdfPath through the safe save, so a failure never
// leaves half a file; false with the reason in error.
bool printToPdf(Printout& printout, const QString& pdfPath, std::string* error = nullptr);

namespace testing {
// While set, printWithPreview() writes the pages to this PDF file instead
// of showing the preview.
void printToFileInstead(const QString& pdfPath);
// Forgets the orientation chosen in the printer setup (or sets one).
void setChosenOrientation(std::optional<QPageLayout::Orientation> orientation);
}  // namespace testing

}  // namespace courtlog::gui::ui
