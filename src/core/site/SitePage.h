#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"

namespace courtlog::site {

// The shared stylesheet of a site, the one file every page links to.
inline constexpr std::string_view kStylesheetName = "style.css";
inline constexpr std::string_view kIndexName = "index.html";

// A text from a record (single-byte, as game and schedule files hold it) as
// page text: UTF-8, with '&', '<', '>' and '"' escaped.
std::string recordHtml(std::string_view recordText);
// A text given as UTF-8 (a title typed by the user) as page text; bytes that
// are not UTF-8 are read as record text.
std::string textHtml(std::string_view text);

// "3/14/2024" and "19:30", as the schedule writes dates and times.
std::string dateText(int year, int month, int day);
std::string timeText(int hour, int minute);

// What every page of a site shares: the site's title and when it was built.
struct SiteFrame {
    std::string title;  // UTF-8
    output::ClockReading built;
};

// The page up to its main content: the document type, UTF-8, the viewport
// for phones, the stylesheet, the page title ("page - site"; the site title
// alone when page is empty), and a header with the site's name linking to
// the index. pageTitle is UTF-8.
std::string pageStart(const SiteFrame& frame, std::string_view pageTitle);
// The page's end: a foot naming the program and, when dated, when the site
// was built (the index is; a game's page stays the same from build to build
// as long as the game does), closing tags.
std::string pageEnd(const SiteFrame& frame, bool dated = false);

// A <a> element with a relative link to a page of the site (a name made by
// PageNames, or one of the site's own files); html is already HTML.
std::string linkHtml(std::string_view href, std::string_view html);

// One column of a table: its heading, the longer name a screen reader and a
// pointer show for it (empty: none), both HTML (the program's own words),
// and whether it holds numbers (set right) or text (set left).
struct SiteColumn {
    std::string heading;
    std::string description;
    bool numeric = false;
};

// A table that a screen reader can follow, written straight into a page: a
// caption, a heading row of column header cells, body rows whose cell in
// the row-header column is the row's header cell, and an optional foot row
// (the totals) drawn like the heading, its first cell its header. Cells are
// HTML. Wide tables scroll sideways on a phone instead of widening the
// page. The columns must outlive the table.
//   SiteTable table(page, "Players", columns);
//   table.cell(nameHtml).cell(12).endRow();
//   table.startFoot().cell("TEAM TOTALS").cell(40).endRow();
//   table.end();
class SiteTable {
public:
    SiteTable(std::string& page, std::string_view captionHtml, const std::vector<SiteColumn>& columns,
              std::size_t rowHeader = 0);

    SiteTable& cell(std::string_view html);
    SiteTable& cell(long long number);
    SiteTable& endRow();
    // The rows after this are the foot's.
    SiteTable& startFoot();
    // Closes the table.
    void end();

private:
    std::string& page_;
    const std::vector<SiteColumn>& columns_;
    std::size_t rowHeader_;
    std::size_t column_ = 0;
    bool foot_ = false;
};

// The stylesheet in the colours, face and sizes of the HTML Options: the
// header background and header font colour for captions, heading rows and
// totals rows, body rows alternating from the primary row colour, the font
// colour for the text.
std::string siteStylesheet(const output::HtmlStyle& style);

}  // namespace courtlog::site
