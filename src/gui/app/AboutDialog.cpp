#include "gui/app/AboutDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ProgramInfo.h"
#include "gui/ui/CornerBitmap.h"
#include "gui/ui/Help.h"

namespace courtlog::gui::app {

AboutDialog::AboutDialog(QWidget* parent) : CourtlogDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("Courtlog %1").arg(QString::fromLatin1(kProgramVersion)));
    setHelpTopic(QStringLiteral("about.html"));

    auto* frame = new QGroupBox(QString::fromLatin1(kShortTitle), this);
    frame->setObjectName(QStringLiteral("aboutFrame"));
    auto* version = new QLabel(
        QStringLiteral("Version %1\nPlay-by-play scoring, statistics and score sheets for basketball").arg(QString::fromLatin1(kProgramVersion)),
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
    buttons->addWidget(new ui::CornerBitmap(this));
    buttons->addSpacing(12);
    buttons->addWidget(ok);
    buttons->addSpacing(12);
    buttons->addWidget(new ui::CornerBitmap(this));
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    // A small fixed dialog: no resizing, no maximise button.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace courtlog::gui::app
