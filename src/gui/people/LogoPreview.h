#pragma once

#include <QString>
#include <QWidget>

#include "gui/ui/Picture.h"

namespace courtlog::gui::people {

// The team editor's logo preview: the team's picture with its fade, always
// stretched over the whole control (the layout only matters on the team
// sheets, which draw the logo as a background).
class LogoPreview : public QWidget {
    Q_OBJECT
public:
    explicit LogoPreview(QWidget* parent = nullptr);

    // Loads the picture at path (or its bare file name from the current
    // directory, beside the team file, beside the program or built in, see
    // ui::loadTeamLogo) and applies the fade to its colour table. A missing picture
    // leaves the control empty.
    void loadLogo(const QString& path, int fadePercent);
    // The team file the logo belongs to: a logo not found under its path is
    // also looked for beside it.
    void setTeamFile(const QString& teamFile) { teamFile_ = teamFile; }
    // Re-reads the current picture with another fade, so the fade always
    // starts from the colours in the file.
    void setFade(int fadePercent);

    const QString& logoPath() const { return logoPath_; }
    int fadePercent() const { return fadePercent_; }
    bool hasPicture() const { return !shown_.isNull(); }
    const QImage& shownImage() const { return shown_.image(); }
    int pictureWidth() const { return shown_.width(); }
    int pictureHeight() const { return shown_.height(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString logoPath_;
    QString teamFile_;
    int fadePercent_ = 0;
    ui::Picture shown_;
};

}  // namespace courtlog::gui::people
