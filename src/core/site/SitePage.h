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
// The page's end: a foot saying when the site was built, closing tags.
std::string pageEnd(const SiteFrame& frame);

// A <a> element with a relative link; both texts are already HTML.
std::string linkHtml(std::string_view href, std::string_view html);

// One column of a table: its heading, the longer name a screen reader and a
// pointer show for it (empty: none), and whether it holds numbers (set
// right).
struct SiteColumn {
    std::string heading;
    std::string description;
    bool numeric = false;
};

// A table that a screen reader can follow: a caption, a heading row of
// column header cells, body rows whose cell in rowHeader is the row's
// header cell, and an optional foot row (the totals) drawn like the heading.
// Cells are HTML. Wide tables scroll sideways on a phone instead of
// widening the page.
struct SiteTable {
    std::string captionHtml;
    std::vector<SiteColumn> columns;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> footRow;  // empty: no foot
    std::size_t rowHeader = 0;

    std::string html() const;
};

// The stylesheet in the colours, face and sizes of the HTML Options: the
// header background and header font colour for captions, heading rows and
// totals rows, body rows alternating from the primary row colour, the font
// colour for the text.
std::string siteStylesheet(const output::HtmlStyle& style);

}  // namespace courtlog::site
