#include "gui/people/LogoPreview.h"

#include <QPainter>

#include "gui/ui/MessageBox.h"
#include "gui/ui/TeamLogo.h"

namespace courtlog::gui::people {

LogoPreview::LogoPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("logoPicture"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LogoPreview::loadLogo(const QString& path, int fadePercent) {
    logoPath_ = path.left(260);
    fadePercent_ = fadePercent;
    shown_ = ui::Picture();

    const ui::Picture picture = ui::loadTeamLogo(logoPath_, teamFile_);
    if (!picture.isNull()) {
        if (picture.hasColorTable()) {
            shown_ = picture.faded(fadePercent_);
        } else {
            // True-colour pictures have no table to fade; they are shown as
            // they are, and the user is told why the fade has no effect.
            ui::showMessage(this, QStringLiteral("Dib has no color table, using default palette"));
            shown_ = picture;
        }
    }
    update();
}

void LogoPreview::setFade(int fadePercent) { loadLogo(logoPath_, fadePercent); }

QSize LogoPreview::sizeHint() const { return {134, 62}; }

void LogoPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (shown_.isNull()) return;
    // Rows and columns are dropped or repeated, never blended.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), shown_.image());
}

}  // namespace courtlog::gui::people
