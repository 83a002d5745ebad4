#include "core/output/FontTags.h"

#include "core/output/HtmlText.h"

namespace courtlog::output {

namespace {

std::string fontTag(const HtmlStyle& style, HtmlStyle::Colour colour, int size) {
    const std::string attributes = "color=" + colorText(style.colour(colour));
    const std::string sizeText = " size=" + std::to_string(size) + ">";
    if (style.fontFace == HtmlStyle::kVariableWidth) return "<font " + attributes + sizeText;
    if (style.fontFace == HtmlStyle::kFixedWidth) return "<tt><font " + attributes + sizeText;
    return "<font " + attributes + " face=\"" + htmlText(style.fontFace) + "\"" + sizeText;
}

}  // namespace

FontTags FontTags::of(const HtmlStyle& style) {
    FontTags tags;
    tags.normal = fontTag(style, HtmlStyle::Font, style.bodyFontSize);
    tags.header = fontTag(style, HtmlStyle::HeaderFont, style.headerFontSize);
    tags.close = style.fontFace == HtmlStyle::kFixedWidth ? "</font></tt>" : "</font>";
    return tags;
}

}  // namespace courtlog::output
