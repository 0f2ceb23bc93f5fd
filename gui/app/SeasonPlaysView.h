#pragma once

#include <QWidget>

#include "gui/framework/View.h"

namespace gridtally::gui {

class PageTableView;
class SeasonDoc;

// The "Plays" page of a season: the play-by-play table of the plays the filter chooses,
// sortable by any column, with a search over every cell (the play's text included). It
// takes no part in the printout.
class SeasonPlaysView : public QWidget {
    Q_OBJECT

public:
    explicit SeasonPlaysView(SeasonDoc& season, QWidget* parent = nullptr);

    // Shows the plays of the filter in force now; a Follow keeps the order and the place.
    void Refill(UpdateHint hint = UpdateHint::Refill);
    void Search(const QString& text);
    PageTableView* table = nullptr;

private:
    class PlaysModel;
    PlaysModel* model_ = nullptr;
};

}  // namespace gridtally::gui
