#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gui/framework/TabWindow.h"

namespace gridtally {
class PlayModel;
}  // namespace gridtally

namespace gridtally::gui {

class View;

// A club's seven pages as tabs of `tabs`, in printout order: offensive, defensive and
// special-teams players, then the run, pass and defensive play calls and the tendencies,
// all of the club labelled `label` in `figures` (a game, or a season's club). The tendencies have a
// chart of runs and passes beside them; with `yardsCharts` (a season's pages) the run and pass
// lists have one of yards per call, and `filter` (when given) tells the charts' titles
// the filter in force, in words. Returns the views made.
std::vector<View*> AddClubViews(TabWindow& tabs, PlayModel& figures, const std::string& label,
                                const CreateContext& context, bool yardsCharts = false,
                                std::function<std::string()> filter = {});

}  // namespace gridtally::gui
