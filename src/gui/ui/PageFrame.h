#pragma once

#include <QString>

#include "core/output/PrintedPage.h"

class QImage;
class QPainter;
class QRect;

namespace courtlog::gui::ui {

// The frame every printed page of the program shares, drawn into a page
// rectangle (the printable area, in device pixels). The box score draws all
// three pieces, the statistics the title line and the footer, the score
// sheets the footer.

// The title line at the top: "Page 3" three character widths in from the
// left, title centred, today's date right-aligned three character widths
// from the right; Arial of one fiftieth of the page's width. Returns the
// height of its text, so a page can place what follows.
int drawPageTitleLine(QPainter& painter, const QRect& page, int pageNumber, const QString& title,
                      const courtlog::output::ClockReading& today);

// The footer: "This page was created using Basketball Courtlog", with ", "
// and the page foot link when one is set (Options > HTML Options), in
// italic Arial of one seventieth of the page's width, centred two text
// heights above the bottom.
void drawPageFooter(QPainter& painter, const QRect& page, const QString& footLink);

// The page foot link of the HTML options as every printout shows it. The
// options keep it in the settings as record text (Windows-1252), so this is
// the one place it is read back.
QString printedFootLink();

// The two team logos below the title line: the home logo at the left, the
// visiting logo at the right, each one twelfth of the page's width wide
// with its proportions kept. A null image is left out. Returns the bottom
// of the lower logo (the page's top when there is none).
int drawTeamLogos(QPainter& painter, const QRect& page, const QImage& homeLogo, const QImage& visitorLogo);

// The height of the title line's text on page (what drawPageTitleLine returns).
int pageTitleLineHeight(QPainter& painter, const QRect& page);
// The height of the footer's text on page; the footer stands two of them
// above the bottom.
int pageFooterHeight(QPainter& painter, const QRect& page);

}  // namespace courtlog::gui::ui
