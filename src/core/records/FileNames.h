#pragma once

#include <string_view>

namespace courtlog {

// The text after the last '/' or '\\' of a path (the whole path when it has
// neither): the bare file name by which pictures, logos and games named with
// a folder that no longer exists are looked for elsewhere. Paths written on
// the old system use '\\'.
std::string_view bareFileName(std::string_view path);

}  // namespace courtlog
