#include "gui/ui/Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "gui/ui/HelpWindow.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramResources.h"

namespace courtlog::gui::ui {

namespace {

constexpr auto kHelpFileName = "crhelp.html";

struct HelpHooks {
    bool recordInstead = false;
    bool ignoreBuiltIn = false;
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
        if (QCoreApplication::instance()) {
            folders << QCoreApplication::applicationDirPath();
            // Installed: PREFIX/bin/courtlog with its manual in PREFIX/share/courtlog/help.
            folders << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/courtlog"));
        }
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

QUrl manualFolder() {
    for (const QString& candidate : helpFileCandidates()) {
        const QFileInfo file(candidate);
        if (file.isFile()) return QUrl::fromLocalFile(file.absolutePath() + QLatin1Char('/'));
    }
    ensureProgramResources();
    if (!hooks().ignoreBuiltIn && QFile::exists(QStringLiteral(":/help/") + QLatin1String(kHelpFileName)))
        return QUrl(QStringLiteral("qrc:/help/"));
    return {};
}

void openHelpTopic(QWidget* owner, const QString& topic) {
    HelpHooks& h = hooks();
    h.lastUrl.clear();
    const QUrl folder = manualFolder();
    if (folder.isEmpty()) {
        showMessage(owner, QStringLiteral("The help file crhelp.html cannot be found."), QStringLiteral("Help"),
                    MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    h.lastUrl = folder.resolved(QUrl(topic.isEmpty() ? QLatin1String(kHelpFileName) : topic));
    if (!h.recordInstead) HelpWindow::showFor(owner, folder, h.lastUrl);
}

void openHelpContents(QWidget* owner) { openHelpTopic(owner, QLatin1String(kHelpFileName)); }

namespace testing {

void recordHelpInstead(bool on) {
    hooks().recordInstead = on;
    // Each recording starts afresh, so an opening that did not happen is seen.
    if (on) hooks().lastUrl = QUrl();
}

QUrl lastHelpUrl() { return hooks().lastUrl; }

void setHelpFolders(const QStringList& folders) { hooks().folders = folders; }

void ignoreBuiltInManual(bool on) { hooks().ignoreBuiltIn = on; }

}  // namespace testing

}  // namespace courtlog::gui::ui
