#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/FileKind.h"

namespace courtlog {

// The kinds of file one dialog offers, in the order of its filters: for each
// kind the extensions that name it, without the dot ("tem"; "csv"; "htm").
// "*" stands for any extension.
using OfferedKinds = std::vector<std::vector<std::string>>;

// Which offered kind a typed name asks for by its extension, in any letter
// case ("html" asks for a kind offered as "htm"): its 1-based index, or 0
// when the name has no extension or one that no kind offers.
std::size_t kindNamedBy(std::string_view path, const OfferedKinds& kinds);

// What a name typed into a file dialog makes.
struct TypedFileName {
    std::string path;
    std::size_t kind = 0;  // 1-based, as the dialog's filters count
};

// The file a typed name makes in a dialog that offers kinds, with the kind
// selected (1-based) and its extension: a name whose extension is offered
// keeps it and chooses that kind, whatever kind is selected; any other name
// is of the selected kind and is given its extension (a save always, an open
// only when the name has none, since the file must be there as it is named).
TypedFileName typedFileName(std::string_view typed, const OfferedKinds& kinds, std::size_t selected,
                            std::string_view selectedExtension, bool saving);

}  // namespace courtlog
