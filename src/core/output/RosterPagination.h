#pragma once

#include <cstddef>

#include "core/output/PageStarts.h"

namespace courtlog::output {

// Where the players of the roster printout fall on its pages. Every page
// has the page frame, the logos and the column heading above its players;
// the first page also the coach and the assistant, so its players start
// lower. One line per player; a page ends after the line that brings the
// next line's top to three line heights above the page's bottom or below.
//
// Every player is printed once, each page takes at least one, and a page
// follows only when players are left for it.
//
// Tops are measured from the page's top, in the units of the page's height
// (device pixels).
PageStarts rosterPages(int firstPageTop, int laterPageTop, int lineHeight, int pageHeight, std::size_t playerCount);

}  // namespace courtlog::output
