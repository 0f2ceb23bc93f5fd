#pragma once

#include "gui/lists/TeamListView.h"
#include "gui/lists/TendencyModel.h"

namespace gridtally::gui {

// "Play Calling" / "Tendencies": a club's runs and passes by down and distance, twenty
// fixed rows. A header click does not sort.
class TendLstView : public TeamListView {
    Q_OBJECT

public:
    TendLstView(PlayModel& model, TendencyModel::Club club, QWidget* parent = nullptr)
        : TeamListView(std::make_unique<TendencyModel>(model, std::move(club)), parent) {}
};

}  // namespace gridtally::gui
