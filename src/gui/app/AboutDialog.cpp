#include "gui/app/AboutDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/ui/BitmapControl.h"
#include "gui/ui/Help.h"

namespace courtlog::app {

TMyAboutDialog::TMyAboutDialog(QWidget* parent) : CourtlogDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("Courtlog 2.3"));
    setHelpTopic(QStringLiteral("about.html"));

    auto* frame = new QGroupBox(QStringLiteral("Basketball Courtlog"), this);
    frame->setObjectName(QStringLiteral("aboutFrame"));
    auto* version = new QLabel(
        QStringLiteral("Version 2.3\nPlay-by-play scoring, statistics and score sheets for basketball"),
        frame);
    version->setObjectName(QStringLiteral("versionText"));
    version->setAlignment(Qt::AlignCenter);
    // The manual ships inside the program, so the way to more information
    // works on every machine, with or without a web browser.
    auto* support = new QLabel(
        QStringLiteral("The user's manual is part of the program: press F1 in any window, or choose "
                       "Help > Contents."),
        frame);
    support->setObjectName(QStringLiteral("supportText"));
    support->setAlignment(Qt::AlignCenter);
    support->setWordWrap(true);
    QPushButton* web = addClickButton(QStringLiteral("Open the &Manual"), QStringLiteral("manualButton"),
                                      [this] { ui::openHelpContents(this); });
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(version);
    frameLayout->addSpacing(8);
    frameLayout->addWidget(support);
    frameLayout->addWidget(web, 0, Qt::AlignHCenter);

    QPushButton* ok =
        addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] { closeWith(1); });
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(new ui::TMyStatic(this));
    buttons->addSpacing(12);
    buttons->addWidget(ok);
    buttons->addSpacing(12);
    buttons->addWidget(new ui::TMyStatic(this));
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    // A small fixed dialog: no resizing, no maximise button.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace courtlog::app
