#pragma once

#include "gui/lists/PageTableView.h"

namespace gridtally::gui {

class SeasonDoc;

// The "Games" page of a season: each log with its clubs, final score, plays and score
// mismatches; a double-click opens the game in a window of its own. It also drives the
// season's printout: page N is the N-th of the club's seven views.
class SeasonGamesView : public PageTableView {
    Q_OBJECT

public:
    explicit SeasonGamesView(const SeasonDoc& season, QWidget* parent = nullptr);

    bool OnPreparePrinting(PrintInfo& info) override;
    void OnPrint(QPainter& painter, PrintInfo& info) override;
    QString PrintedDocumentName() const override;

    // The file of the game a row shows, as shown now.
    QString FileOfRow(int row) const;
};

}  // namespace gridtally::gui
