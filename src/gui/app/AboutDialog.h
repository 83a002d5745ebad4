#pragma once

#include <QUrl>

#include "gui/ui/CourtlogDialog.h"

namespace courtlog::app {

// The About box: version and where to find support on the web.
class TMyAboutDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit TMyAboutDialog(QWidget* parent = nullptr);

    static QUrl webAddress();
};

}  // namespace courtlog::app
