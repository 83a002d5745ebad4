#pragma once

#include <QProxyStyle>

namespace courtlog::gui::ui {

// The application's style with its standard icons read when first drawn
// rather than when asked for. Qt's own icons are PNG files, and reading one
// looks through every installed image format plugin first; the menu bar asks
// for such an icon when it is made, so without this the plugins would be
// loaded before the main window shows. Everything else is the usual style.
class DeferredIconStyle : public QProxyStyle {
public:
    DeferredIconStyle();

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace courtlog::gui::ui
