#pragma once

#include <QPlainTextEdit>
#include <QWidget>

#include "gui/framework/View.h"

namespace gridtally::gui {

class PageTableView;
class SeasonDoc;

// The "Plays" page of a season: the play-by-play table of the club's plays the filter
// chooses, headed in words, one line a play, sortable by any column, with a search over
// every cell (the play's text included); the text of a play stands in its tooltip and,
// when it is selected, in a pane below. It takes no part in the printout.
class SeasonPlaysView : public QWidget {
    Q_OBJECT

public:
    explicit SeasonPlaysView(SeasonDoc& season, QWidget* parent = nullptr);

    // Shows the plays of the filter in force now; a Follow keeps the order and the place.
    void Refill(UpdateHint hint = UpdateHint::Refill);
    void Search(const QString& text);
    PageTableView* table = nullptr;
    // Below the table: the whole text of the play selected.
    QPlainTextEdit* playText = nullptr;

private:
    class PlaysModel;
    PlaysModel* model_ = nullptr;
};

}  // namespace gridtally::gui
