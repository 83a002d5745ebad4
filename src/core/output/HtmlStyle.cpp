#include "core/output/HtmlStyle.h"

#include <cstdio>

namespace courtlog::output {

HtmlStyle HtmlStyle::fromSettings(const Settings& settings) {
    HtmlStyle style;
    style.colours = settings.htmlColors;
    style.fontFace = settings.htmlFontFace;
    style.bodyFontSize = settings.htmlBodyFontSize;
    style.headerFontSize = settings.htmlHeaderFontSize;
    style.footLink = settings.htmlFootLink;
    return style;
}

void HtmlStyle::storeIn(Settings& settings) const {
    settings.htmlColors = colours;
    settings.htmlFontFace = fontFace;
    settings.htmlBodyFontSize = bodyFontSize;
    settings.htmlHeaderFontSize = headerFontSize;
    settings.htmlFootLink = footLink;
}

std::string colorText(std::uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu);
    return text;
}

}  // namespace courtlog::output
