#include "gui/ui/Help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "gui/ui/MessageBox.h"

namespace courtlog::ui {

namespace {

constexpr auto kHelpFileName = "crhelp.html";

struct HelpHooks {
    bool recordInstead = false;
    QUrl lastUrl;
    QStringList folders;
};

HelpHooks& hooks() {
    static HelpHooks instance;
    return instance;
}

}  // namespace

QStringList helpFileCandidates() {
    QStringList folders = hooks().folders;
    if (folders.isEmpty()) {
        if (QCoreApplication::instance()) folders << QCoreApplication::applicationDirPath();
        folders << QDir::currentPath();
    }
    QStringList candidates;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        candidates << dir.filePath(QStringLiteral("help/") + QLatin1String(kHelpFileName))
                   << dir.filePath(QLatin1String(kHelpFileName));
    }
    return candidates;
}

void openHelpContents(QWidget* owner) {
    HelpHooks& h = hooks();
    h.lastUrl.clear();
    for (const QString& candidate : helpFileCandidates()) {
        const QFileInfo file(candidate);
        if (!file.isFile()) continue;
        h.lastUrl = QUrl::fromLocalFile(file.absoluteFilePath());
        if (!h.recordInstead && !QDesktopServices::openUrl(h.lastUrl))
            showMessage(owner, QStringLiteral("The help file crhelp.html cannot be opened."),
                        QStringLiteral("Help"), MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    showMessage(owner, QStringLiteral("The help file crhelp.html cannot be found."), QStringLiteral("Help"),
                MessageButtons::Ok, MessageIcon::Exclamation);
}

namespace testing {

void recordHelpInstead(bool on) { hooks().recordInstead = on; }

QUrl lastHelpUrl() { return hooks().lastUrl; }

void setHelpFolders(const QStringList& folders) { hooks().folders = folders; }

}  // namespace testing

}  // namespace courtlog::ui
