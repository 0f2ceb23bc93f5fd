#pragma once

#include <functional>
#include <string>

#include "core/lists/ChartBars.h"
#include "gui/lists/PageModel.h"

namespace gridtally {
class PlayModel;
}

namespace gridtally::gui {

// "Play Calling" / "Tendencies": a club's runs and passes by down and distance, twenty
// fixed rows that a header click does not sort.
class TendencyModel : public PageModel {
    Q_OBJECT

public:
    using Club = std::function<std::string()>;
    TendencyModel(PlayModel& model, Club club, QObject* parent = nullptr);

    std::string club() const { return club_(); }
    std::string Title() const override;
    std::span<const ListColumn> Columns() const override;
    CsvTable Table() const override;
    // The rows as the chart beside them draws them, made with the rows.
    const std::vector<ChartBar>& Bars() const { return bars_; }

protected:
    void CollectRows() override;
    std::size_t RowCount() const override { return rows_.size(); }
    std::vector<std::string> CellsOfRow(std::size_t row) const override { return rows_[row]; }
    bool SortRows(int /*column*/) override { return false; }

private:
    PlayModel& model_;
    Club club_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<ChartBar> bars_;
};

}  // namespace gridtally::gui
