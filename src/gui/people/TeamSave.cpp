#include "gui/people/TeamSave.h"

#include <QFileInfo>

#include "core/records/Team.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"

namespace courtlog::people {

namespace {

const QString kTeamFilter = QStringLiteral("Team Files (*.tem)|*.tem|");

bool endsWithNoCase(const QString& text, const QString& ending) {
    return text.right(ending.size()).compare(ending, Qt::CaseInsensitive) == 0;
}

std::optional<QString> askTeamFileName(QWidget* owner, const QString& proposal) {
    ui::FileDialogOptions options;
    options.filters = kTeamFilter;
    options.defaultExtension = QStringLiteral("tem");
    options.initialName = proposal;
    if (!proposal.isEmpty()) options.initialDirectory = QFileInfo(proposal).absolutePath();
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return std::nullopt;
    return choice->path;
}

}  // namespace

bool writeTeamFile(QWidget* owner, Team& team, const QString& path) {
    std::string error;
    if (team.saveTo(path.toStdString(), &error)) return true;
    QString text = QStringLiteral("Can't save team !\n%1").arg(path);
    if (!error.empty()) text += QStringLiteral("\n") + QString::fromStdString(error);
    ui::showWarning(owner, text, QStringLiteral("Error"));
    return false;
}

bool saveTeam(QWidget* owner, Team& team) {
    const QString current = QString::fromStdString(team.fileName);
    QString path = current;
    if (current.size() < 4) {
        const std::optional<QString> chosen = askTeamFileName(owner, QString());
        if (!chosen) return false;
        path = *chosen;
    } else if (endsWithNoCase(current, QStringLiteral("csv")) ||
               endsWithNoCase(current, QStringLiteral("txt"))) {
        const std::optional<QString> chosen =
            askTeamFileName(owner, current.left(current.size() - 3) + "tem");
        if (!chosen) return false;
        path = *chosen;
    }
    team.fileName = path.toStdString();
    return writeTeamFile(owner, team, path);
}

}  // namespace courtlog::people
