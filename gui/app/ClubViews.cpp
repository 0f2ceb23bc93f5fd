#include "gui/app/ClubViews.h"

#include <functional>

#include "gui/lists/PlayCallList.h"
#include "gui/lists/TendLstView.h"
#include "gui/reports/DPlayerList.h"
#include "gui/reports/OPlyrStatsView.h"
#include "gui/reports/SpecialTeamsView.h"

namespace gridtally::gui {

std::vector<View*> AddClubViews(TabWindow& tabs, GameLog& log, PlayModel& calls,
                                const std::string& label, const CreateContext& context) {
    PlayCallModel::Club fixed = [label] { return label; };
    auto add = [&](const TabWindow::ViewFactory& make, const char* tab) {
        return tabs.AddViewTab(make, QObject::tr(tab), context, -1);
    };
    return {
        add(MakeView<OPlyrStatsView>(std::cref(log), label), "O Players"),
        add(MakeView<DPlayerList>(std::cref(log), label), "D Players"),
        add(MakeView<SpecialTeamsView>(std::cref(log), label), "Special"),
        add(MakeView<RunPlayList>(std::ref(calls), fixed), "Run Plays"),
        add(MakeView<PassPlayList>(std::ref(calls), fixed), "Pass Plays"),
        add(MakeView<DefPlayList>(std::ref(calls), fixed), "Def Plays"),
        add(MakeView<TendLstView>(std::ref(calls), fixed), "Play Calling"),
    };
}

}  // namespace gridtally::gui
