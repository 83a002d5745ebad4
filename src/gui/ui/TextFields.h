#pragma once

#include <QString>
#include <string>

class QLineEdit;

namespace courtlog::gui::ui {

// Record texts are Windows-1252; edit fields are Unicode. Characters that
// Windows-1252 cannot hold become '?', and the result is cut to maxBytes.
// Edits made with acceptRecordTextOnly never hand such characters over.
std::string toRecordText(const QString& text, std::size_t maxBytes);
QString fromRecordText(const std::string& bytes);

// The first character of text that a record cannot hold (a whole surrogate
// pair for characters beyond the basic plane); empty when all can be held.
QString firstUnstorableCharacter(const QString& text);

// Why a character was refused, as the tooltip says it.
QString unstorableCharacterText(const QString& character);

// Makes edit refuse, as they are typed or pasted, characters that a record
// cannot hold, instead of storing a different text later; a tooltip at the
// edit tells the user why. Accented Latin letters (é, ü, ß) are kept.
void acceptRecordTextOnly(QLineEdit* edit);

// The dynamic property of such an edit holding the last refusal's text.
inline constexpr const char* kRefusalProperty = "refusedCharacter";

}  // namespace courtlog::gui::ui
