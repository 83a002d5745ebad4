#include "gui/stats/LineList.h"

#include <QPaintEvent>

#include "gui/stats/LineListDelegate.h"

namespace courtlog::gui::stats {

LineList::LineList(QWidget* parent) : QListWidget(parent), delegate_(new LineListDelegate(this)) {
    setUniformItemSizes(true);
    setItemDelegate(delegate_);
}

void LineList::showLines(const std::vector<std::string>& text) {
    const int count = static_cast<int>(text.size());
    for (int row = 0; row < count; ++row) {
        const QString line = QString::fromStdString(text[static_cast<std::size_t>(row)]);
        if (QListWidgetItem* item = this->item(row)) {
            if (item->text() != line) item->setText(line);
        } else {
            addItem(line);
        }
    }
    while (this->count() > count) delete takeItem(this->count() - 1);
    delegate_->keepRows(count);
}

QStringList LineList::lines() const {
    QStringList out;
    for (int row = 0; row < count(); ++row) out << item(row)->text();
    return out;
}

void LineList::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
    if (topLeft.isValid() && topLeft == bottomRight) {
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    QListWidget::dataChanged(topLeft, bottomRight, roles);
}

void LineList::paintEvent(QPaintEvent* event) {
    const QRegion region = event->region();
    if (region.rectCount() <= 1) {
        QListWidget::paintEvent(event);
        return;
    }
    for (const QRect& part : region) {
        QPaintEvent partEvent(part);
        QListWidget::paintEvent(&partEvent);
    }
}

}  // namespace courtlog::gui::stats
