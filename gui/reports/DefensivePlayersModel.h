#pragma once

#include <string>

#include "core/model/PlayerRoster.h"
#include "gui/lists/PageModel.h"

namespace gridtally {
class PlayModel;
}

namespace gridtally::gui {

// "D Players": a club's defensive players of one game, one row each, in the order the
// log met them until a header click sorts them. The rows point at the roster's records.
class DefensivePlayersModel : public PageModel {
    Q_OBJECT

public:
    DefensivePlayersModel(const PlayModel& game, std::string club, QObject* parent = nullptr);

    const std::string& club() const { return club_; }
    std::string Title() const override;
    std::span<const ListColumn> Columns() const override;
    CsvTable Table() const override;

protected:
    void CollectRows() override;
    std::size_t RowCount() const override { return rows_.size(); }
    std::vector<std::string> CellsOfRow(std::size_t row) const override;
    bool SortRows(int column) override;
    bool IsTextColumn(int column) const override { return column <= 1; }

private:
    const PlayModel& game_;
    std::string club_;
    PlayerSelection rows_;
};

}  // namespace gridtally::gui
