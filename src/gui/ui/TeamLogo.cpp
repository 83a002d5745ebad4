#include "gui/ui/TeamLogo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "gui/ui/ProgramResources.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::ui {

Picture loadTeamLogo(const QString& logoFile, const QString& teamFile) {
    if (logoFile.isEmpty()) return {};
    // The path as stored, then its bare name in the current folder.
    Picture picture = Picture::loadFile(logoFile);
    if (!picture.isNull()) return picture;

    const QString bareName = bareFileName(logoFile);
    if (bareName.isEmpty()) return {};
    QStringList folders;
    // A team folder copied to another computer keeps its logos beside it.
    if (!teamFile.isEmpty()) folders << QFileInfo(teamFile).absolutePath();
    if (QCoreApplication::instance()) folders << QCoreApplication::applicationDirPath();
    for (const QString& folder : folders) {
        Picture found = Picture::read(QDir(folder).filePath(bareName));
        if (!found.isNull()) return found;
    }
    // Only the pictures the program ships; its other built-in pictures are
    // not logos.
    if (bareName.compare(QStringLiteral("default.bmp"), Qt::CaseInsensitive) != 0 &&
        bareName.compare(QStringLiteral("logo.bmp"), Qt::CaseInsensitive) != 0)
        return {};
    ensureProgramResources();
    return Picture::read(QStringLiteral(":/pictures/") + bareName.toLower());
}

Picture loadTeamLogo(const Team& team) {
    return loadTeamLogo(fromRecordText(team.logoFile), fromRecordPath(team.fileName));
}

}  // namespace courtlog::gui::ui
