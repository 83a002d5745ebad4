#include "gui/ui/TextFields.h"

#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

#include "core/records/Cp1252.h"

namespace courtlog::gui::ui {

namespace {

// Refuses input with a character Windows-1252 cannot hold and says so at
// the edit. Typed text is otherwise left alone (length is the edit's limit).
class RecordTextValidator : public QValidator {
public:
    explicit RecordTextValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int&) const override {
        const QString bad = firstUnstorableCharacter(input);
        if (bad.isEmpty()) return Acceptable;
        const QString why = unstorableCharacterText(bad);
        // Kept on the edit too, where a test (or an accessibility tool) reads it.
        edit_->setProperty(kRefusalProperty, why);
        if (edit_->isVisible()) QToolTip::showText(edit_->mapToGlobal(QPoint(0, edit_->height())), why, edit_);
        return Invalid;
    }

private:
    QLineEdit* edit_;
};

}  // namespace

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

QString firstUnstorableCharacter(const QString& text) {
    for (const char32_t cp : text.toUcs4()) {
        if (!cp1252Holds(cp)) return QString::fromUcs4(&cp, 1);
    }
    return {};
}

QString unstorableCharacterText(const QString& character) {
    return QStringLiteral("\u201C%1\u201D cannot be stored: names and texts are kept in the Western "
                          "European character set (Windows-1252), which has no such character.")
        .arg(character);
}

void acceptRecordTextOnly(QLineEdit* edit) { edit->setValidator(new RecordTextValidator(edit)); }

}  // namespace courtlog::gui::ui
