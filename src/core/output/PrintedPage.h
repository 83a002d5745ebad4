#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/output/HtmlPage.h"

namespace courtlog::output {

// The texts and rules of the printed page frame and of the text listing
// printout, which the printouts draw with their fonts and pens.

// "Page 3", at the left of the title line.
std::string pageNumberText(int pageNumber);
// Today's date at the right of the title line: "3/4/2024" (month/day/year).
std::string pageDateText(const ClockReading& today);
// The footer: the program's name, and ", " with the page foot link when
// one is set.
std::string pageFooterText(std::string_view footLink);

// How wide the characters of a text listing are: the longest line, held
// between the given minimum and maximum (0: no maximum), plus six
// characters fill the printable width.
int listingColumns(std::size_t longestLine, int minimumLength, int maximumLength);
// The listing's lines stand this many characters in from the left, and the
// longest line plus twice that must fit the width.
inline constexpr int kListingIndent = 4;

// Where a listing's lines fall on its pages: one line per text height from
// the first line's top; a page takes no line whose top comes within four
// text heights of the page's bottom. Pages are numbered from 1.
class ListingPagination {
public:
    ListingPagination(int firstLineTop, int lineHeight, int pageBottom, std::size_t lineCount);

    int linesPerPage() const { return linesPerPage_; }
    // At least one page, also for no lines at all.
    int pageCount() const;
    std::size_t firstLineOf(int pageNumber) const;
    std::size_t lineCountOn(int pageNumber) const;
    // The line after the last one (the trailer) is printed only when the
    // last page has room for it; it never starts a page of its own.
    bool trailerFits() const;

private:
    int linesPerPage_;
    std::size_t lineCount_;
};

}  // namespace courtlog::output
