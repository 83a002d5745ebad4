#include "gui/ui/RecordPaths.h"

#include <QFile>

#include "core/records/FileNames.h"

namespace courtlog::gui::ui {

std::string toRecordPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromRecordPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

QString bareFileName(const QString& path) {
    // The separators are ASCII, so cutting the encoded path cuts no character.
    return fromRecordPath(std::string(courtlog::bareFileName(toRecordPath(path))));
}

}  // namespace courtlog::gui::ui
