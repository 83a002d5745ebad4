#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "core/stats/StatLine.h"

namespace courtlog::gui::stats {

// The statistics viewer's 45 columns over a set of statistics lines, each
// cell formatted when it is shown, so a season of lines costs no more than
// the rows in view. The last line is the totals line.
class StatisticsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StatisticsTableModel(QObject* parent = nullptr);

    // Shows lines (owned by the caller, alive while shown); null shows none.
    // Call again after the lines changed: when they are as many as before,
    // only the lines that differ are drawn again.
    void showLines(const std::vector<StatLine>* lines);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const std::vector<StatLine>* lines_ = nullptr;
    std::vector<StatLine> shown_;  // the lines as last shown
};

}  // namespace courtlog::gui::stats
