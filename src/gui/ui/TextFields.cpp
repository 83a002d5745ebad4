#include "gui/ui/TextFields.h"

#include "core/records/Cp1252.h"

namespace courtlog::ui {

std::string toRecordText(const QString& text, std::size_t maxBytes) {
    std::string bytes = utf8ToCp1252(text.toStdString());
    // A NUL would end the fixed-width field early and hide what follows.
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos) bytes.resize(nul);
    if (bytes.size() > maxBytes) bytes.resize(maxBytes);
    return bytes;
}

QString fromRecordText(const std::string& bytes) {
    // Fixed-width fields end at their first NUL.
    const std::size_t nul = bytes.find('\0');
    return QString::fromStdString(cp1252ToUtf8(std::string_view(bytes).substr(0, nul)));
}

}  // namespace courtlog::ui
