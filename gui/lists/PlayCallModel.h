#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/lists/PlayListContent.h"
#include "core/playcalls/PlayRec.h"
#include "gui/lists/PageModel.h"

namespace gridtally {
class PlayModel;
}

namespace gridtally::gui {

// A club's play calls of one kind: each row a copy of its call's record, released with
// the row. The club is asked for at every refill: a game's is fixed, a Play DB's follows
// its current club.
class PlayCallModel : public PageModel {
    Q_OBJECT

public:
    using Club = std::function<std::string()>;
    PlayCallModel(PlayModel& model, PlayListKind list, Club club, QObject* parent = nullptr);

    PlayListKind listKind() const { return list_; }
    std::string club() const { return club_(); }
    std::string Title() const override;
    std::span<const ListColumn> Columns() const override;
    CsvTable Table() const override;

    // The record of a shown row, or nullptr.
    PlayRec* Record(int row) const;
    // Takes a row out, as the play adjustment does with the call it moved or deleted.
    void RemoveRow(int row);

protected:
    void CollectRows() override;
    std::size_t RowCount() const override { return order_.size(); }
    std::vector<std::string> CellsOfRow(std::size_t row) const override;
    bool SortRows(int column) override;

private:
    PlayModel& model_;
    PlayListKind list_;
    Club club_;
    std::vector<std::unique_ptr<PlayRec>> records_;
    std::vector<const PlayRec*> order_;
};

}  // namespace gridtally::gui
