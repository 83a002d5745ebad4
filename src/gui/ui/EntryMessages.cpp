#include "gui/ui/EntryMessages.h"

#include "core/records/UniformChoice.h"
#include "core/records/UniformNumber.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::ui {

QString playerNameProblemText(PlayerNameProblem problem, const std::string& name, const std::string& team) {
    if (problem == PlayerNameProblem::Empty) return QStringLiteral("Type the player's name first.");
    QString teamName = fromRecordText(team);
    if (teamName.trimmed().isEmpty()) teamName = QStringLiteral("This team");
    return QStringLiteral("%1 already has a player named %2.\nTwo players of one name would share their "
                          "plays: give this one another name.")
        .arg(teamName, fromRecordText(name));
}

QString uniformNumberProblemText(const QString& typed) {
    const QString rule = QString::fromLatin1(kUniformRule);
    if (typed.trimmed().isEmpty()) return QStringLiteral("Type the player's uniform number. ") + rule;
    return QStringLiteral("\u201C%1\u201D is not a uniform number. ").arg(typed) + rule;
}

bool confirmUniformNumber(QWidget* owner, const std::vector<Player>& players, int index, int number,
                          const QString& caption) {
    if (!wouldShareUniform(players, index, number)) return true;
    const std::optional<std::size_t> wearer = playerWearing(players, number, index);
    const QString text =
        QStringLiteral("%1 already wears number %2.\nKeep number %2 for this player too?")
            .arg(fromRecordText(players[*wearer].name), QString::fromStdString(uniformText(number)));
    return showMessage(owner, text, caption, MessageButtons::YesNo, MessageIcon::Question, true) == ResultYes;
}

}  // namespace courtlog::gui::ui
