#pragma once

#include <QString>
#include <string>

namespace courtlog::ui {

// Record texts are Windows-1252; edit fields are Unicode. Characters that
// Windows-1252 cannot hold become '?', and the result is cut to maxBytes.
std::string toRecordText(const QString& text, std::size_t maxBytes);
QString fromRecordText(const std::string& bytes);

}  // namespace courtlog::ui
