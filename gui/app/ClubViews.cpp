#include "gui/app/ClubViews.h"

#include <functional>

#include "gui/lists/ChartedPage.h"
#include "gui/lists/DefPlayList.h"
#include "gui/lists/ListCharts.h"
#include "gui/lists/PassPlayList.h"
#include "gui/lists/PlayCallList.h"
#include "gui/lists/RunPlayList.h"
#include "gui/lists/TendLstView.h"
#include "gui/reports/DPlayerList.h"
#include "gui/reports/OPlyrStatsView.h"
#include "gui/reports/SpecialTeamsView.h"

namespace gridtally::gui {

std::vector<View*> AddClubViews(TabWindow& tabs, PlayModel& figures, const std::string& label,
                                const CreateContext& context, bool yardsCharts,
                                std::function<std::string()> filter) {
    PlayCallModel::Club fixed = [label] { return label; };
    if (!filter) filter = [] { return std::string(); };
    auto add = [&](const TabWindow::ViewFactory& make, const char* tab) {
        return tabs.AddViewTab(make, QObject::tr(tab), context);
    };
    // A table with its chart beside it: the table is the view, the page holds both.
    auto charted = [&](PageTableView* table, ChartedPage::Plot plot, const char* tab) {
        if (context.document) table->AttachTo(context.document);
        tabs.addTab(new ChartedPage(table, std::move(plot), &tabs), QObject::tr(tab));
        return table;
    };
    auto perCall = [filter](PlayCallList* list) {
        return [list, filter](QChart& chart) {
            PlotYardsPerCall(chart, static_cast<const PlayCallModel&>(list->pageModel()), filter());
        };
    };
    std::vector<View*> views{
        add(MakeView<OPlyrStatsView>(std::cref(figures), label), "O Players"),
        add(MakeView<DPlayerList>(std::cref(figures), label), "D Players"),
        add(MakeView<SpecialTeamsView>(std::cref(figures), label), "Special"),
    };
    for (bool run : {true, false}) {
        const char* tab = run ? "Run Plays" : "Pass Plays";
        if (!yardsCharts) {
            views.push_back(run ? add(MakeView<RunPlayList>(std::ref(figures), fixed), tab)
                                : add(MakeView<PassPlayList>(std::ref(figures), fixed), tab));
            continue;
        }
        PlayCallList* list = run ? static_cast<PlayCallList*>(new RunPlayList(figures, fixed))
                                 : static_cast<PlayCallList*>(new PassPlayList(figures, fixed));
        views.push_back(charted(list, perCall(list), tab));
    }
    views.push_back(add(MakeView<DefPlayList>(std::ref(figures), fixed), "Def Plays"));
    auto* tendencies = new TendLstView(figures, fixed);
    views.push_back(charted(
        tendencies,
        [tendencies, filter](QChart& chart) {
            PlotTendencies(chart, static_cast<const TendencyModel&>(tendencies->pageModel()),
                           filter());
        },
        "Play Calling"));
    return views;
}

}  // namespace gridtally::gui
