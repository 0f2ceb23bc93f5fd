#pragma once

#include "gui/lists/TeamListView.h"

namespace gridtally::gui {

// "Play Calling" / "Tendencies": a club's runs and passes by down and distance, twenty
// fixed rows. A header click does not sort.
class TendLstView : public TeamListView {
    Q_OBJECT

public:
    explicit TendLstView(QWidget* parent = nullptr) : TeamListView(parent) {}
    std::string GetTitle() const override;

protected:
    std::span<const ListColumn> Columns() const override;
    void FillRows(PlayModel& model) override;
    std::vector<std::vector<std::string>> ShownRows() const override;
};

}  // namespace gridtally::gui
