#include "ui/CourtlogDialog.h"

#include <QPushButton>

#include "ui/Sound.h"

namespace courtlog::ui {

CourtlogDialog::CourtlogDialog(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int CourtlogDialog::run() { return exec(); }

void CourtlogDialog::reject() { done(2); }

QPushButton* CourtlogDialog::addClickButton(const QString& caption, const QString& objectName,
                                            std::function<void()> action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] {
        playSoundEffect(SoundClick);
        if (action) action();
    });
    return button;
}

}  // namespace courtlog::ui
