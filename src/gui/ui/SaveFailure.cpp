#include "gui/ui/SaveFailure.h"

#include "gui/ui/MessageBox.h"

namespace courtlog::gui::ui {

QString saveFailureText(const QString& what, const QString& path, const std::string& reason) {
    QString text = QStringLiteral("Can't save %1 !\n%2").arg(what, path);
    if (!reason.empty()) text += QStringLiteral("\n") + QString::fromStdString(reason);
    return text;
}

void showSaveFailure(QWidget* owner, const QString& what, const QString& path, const std::string& reason) {
    showWarning(owner, saveFailureText(what, path, reason), QStringLiteral("Error"));
}

QString fileSaveFailureText(const QString& path, const std::string& reason) {
    QString text = QStringLiteral("Can't save %1 !").arg(path);
    if (!reason.empty()) text += QStringLiteral("\n") + QString::fromStdString(reason);
    return text;
}

void showFileSaveFailure(QWidget* owner, const QString& path, const std::string& reason) {
    showWarning(owner, fileSaveFailureText(path, reason), QStringLiteral("Error"));
}

void showGameLoadFailure(QWidget* owner, const std::string& reason) {
    QString text = QStringLiteral("Can't load game !");
    if (!reason.empty()) text += QStringLiteral("\n") + QString::fromStdString(reason);
    showMessage(owner, text, QStringLiteral("File corrupt ?"));
}

}  // namespace courtlog::gui::ui
