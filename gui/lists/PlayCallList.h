#pragma once

#include <memory>
#include <vector>

#include "core/lists/PlayListContent.h"
#include "gui/lists/TeamListView.h"

namespace gridtally {
struct PlayRec;
}

namespace gridtally::gui {

// A club's play calls of one kind with their results; a header click sorts the rows.
// Each row holds its own copy of its call's record, released with the row. In the run
// and pass lists a double-click on a row opens the play adjustment.
class PlayCallList : public TeamListView {
    Q_OBJECT

public:
    PlayCallList(PlayListKind list, QWidget* parent);
    ~PlayCallList() override;

    PlayListKind listKind() const { return list_; }
    std::string GetTitle() const override;
    void SortByColumn(int column);
    // The adjustment of the row at `point` (viewport coordinates), as a double-click
    // there runs it.
    void AdjustPlayAt(const QPoint& point);
    // The record of a row, or nullptr.
    PlayRec* RecordOfRow(int row) const;

protected:
    std::span<const ListColumn> Columns() const override;
    std::vector<std::vector<std::string>> ShownRows() const override;
    void FillRows(PlayModel& model) override;

private:
    PlayListKind list_;
    std::vector<std::unique_ptr<PlayRec>> records_;
};

}  // namespace gridtally::gui
