#pragma once

#include <string>
#include <string_view>

namespace courtlog {

// Record texts are single-byte Windows-1252. These convert at the edges
// (JSON, the window layer). Characters that Windows-1252 cannot hold become
// '?'; the five bytes it leaves undefined map to the C1 control code points.
std::string cp1252ToUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace courtlog
