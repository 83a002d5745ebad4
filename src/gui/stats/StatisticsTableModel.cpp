#include "gui/stats/StatisticsTableModel.h"

#include "core/stats/StatisticsColumns.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::stats {

using courtlog::stats::CellAlignment;
using courtlog::stats::kViewerColumnCount;
using courtlog::stats::viewerColumns;

StatisticsTableModel::StatisticsTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void StatisticsTableModel::showLines(const std::vector<StatLine>* lines) {
    if (lines && lines == lines_ && lines->size() == shown_.size()) {
        // Cell by cell: a play changes a handful of a line's figures, and
        // only those cells are drawn again.
        const std::size_t last = shown_.size() - (shown_.empty() ? 0 : 1);
        for (std::size_t row = 0; row < shown_.size(); ++row) {
            if ((*lines)[row] == shown_[row]) continue;
            const bool totals = row == last;
            for (std::size_t column = 0; column < kViewerColumnCount; ++column) {
                if (courtlog::stats::viewerCellText((*lines)[row], column, totals) ==
                    courtlog::stats::viewerCellText(shown_[row], column, totals))
                    continue;
                const QModelIndex cell = index(static_cast<int>(row), static_cast<int>(column));
                emit dataChanged(cell, cell, {Qt::DisplayRole});
            }
        }
        shown_ = *lines;
        return;
    }
    beginResetModel();
    lines_ = lines;
    shown_ = lines ? *lines : std::vector<StatLine>{};
    endResetModel();
}

int StatisticsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !lines_ ? 0 : static_cast<int>(lines_->size());
}

int StatisticsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kViewerColumnCount);
}

QVariant StatisticsTableModel::data(const QModelIndex& index, int role) const {
    if (!lines_ || !index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool left = viewerColumns()[column].alignment == CellAlignment::Left;
        return QVariant::fromValue(Qt::Alignment((left ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter));
    }
    if (role != Qt::DisplayRole) return {};
    const auto row = static_cast<std::size_t>(index.row());
    // Names are record texts; the figures are plain digits.
    return ui::fromRecordText(courtlog::stats::viewerCellText((*lines_)[row], column, row + 1 == lines_->size()));
}

QVariant StatisticsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const auto column = static_cast<std::size_t>(section);
    if (role == Qt::DisplayRole) return QString::fromLatin1(viewerColumns()[column].heading);
    if (role == Qt::TextAlignmentRole) {
        // A heading longer than its column takes a second line.
        const bool left = viewerColumns()[column].alignment == CellAlignment::Left;
        return static_cast<int>((left ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter) |
               static_cast<int>(Qt::TextWordWrap);
    }
    return {};
}

}  // namespace courtlog::gui::stats
