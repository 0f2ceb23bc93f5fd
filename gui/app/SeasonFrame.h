#pragma once

#include <QComboBox>
#include <QLabel>
#include <vector>

#include "core/playdb/Season.h"
#include "gui/app/SeasonDoc.h"
#include "gui/framework/ChildFrame.h"
#include "gui/framework/TabWindow.h"

namespace gridtally::gui {

class FolderWatch;
class SeasonGamesView;
class SeasonPlaysView;

// The window of a season: a bar choosing the club (or "All") and the situation (quarter,
// down, distance, zone, score, opponent) over the tabs "Games", "Plays" and the club's
// seven pages, the same views as a game window's, summed over the plays chosen. The
// title says what is counted. Print prints the club's seven pages.
class SeasonFrame : public ChildFrame {
    Q_OBJECT

public:
    explicit SeasonFrame(QWidget* parent = nullptr);

    bool OnCreateClient(const CreateContext& context) override;
    // Printing the club's pages.
    bool TakeCommand(int id, bool run) override;

    // The filter bar's choices: the club, then per criterion a combo whose first entry is
    // "All".
    QComboBox* clubChoice = nullptr;
    QComboBox* opponentChoice = nullptr;
    std::vector<std::pair<int, QComboBox*>> criterionChoices;  // FilterCriterion, combo
    // Above the pages: the plays and games the club and filter choose, in words.
    QLabel* counted = nullptr;
    TabWindow* tabs = nullptr;
    TabWindow* clubTabs = nullptr;
    SeasonGamesView* gamesView = nullptr;
    SeasonPlaysView* playsView = nullptr;

    // Takes the bar's choices into the document and shows the pages they make.
    void ApplyChoices();
    // Watches the season's folder: the window follows its logs as they are written.
    FolderWatch* watch = nullptr;

private:
    // The club's pages, which are what Print prints; none when the club is "All".
    bool HasClubPages() const { return clubTabs != nullptr; }
    void MakeClubTabs();
    // The window's title and the line above the pages say what the pages count.
    void ShowWhatIsCounted();
    // Shows games that joined, changed or left: the pages follow, the user's choices and
    // places stay, and the status bar says what happened.
    void Followed(const SeasonDoc::Changes& changes, const SeasonDoc::PassedOver& passed);
    // Lists the season's clubs in the bar's club and opponent choices, keeping the ones
    // chosen.
    void ListClubs();

    SeasonDoc* season_ = nullptr;
    CreateContext context_;
    bool made_ = false;  // the frame's first views had their first update
};

}  // namespace gridtally::gui
