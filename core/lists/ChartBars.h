#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/TeamTotals.h"
#include "core/playcalls/PlayRec.h"

namespace gridtally {

// One bar of a list's chart: the category's label, one value per bar set, and what the
// bar tells when hovered. The figures are written as the lists write them, so a chart
// and its table never show one figure two ways.
struct ChartBar {
    std::string label;
    std::vector<double> values;
    std::string tip;
};

// The play calling by down and distance as bars of runs and passes, the tendency rows
// in their order without the separators. A label carries the run share in the lists'
// whole percent ("First and 2-5 (66 % run)"), a situation without plays none. No totals
// give the sixteen labels with no plays.
std::vector<ChartBar> TendencyBars(const TeamTotals* totals);
// Under a filter a chart's title ends with it in words ("down 3; zone red-zone"), so a
// chart exported keeps what it counts.
std::string TendencyChartTitle(std::string_view team, std::string_view filter = {});

// A play call's yards per call (its yards over the times it was called, 0 when never
// called), labelled with the call's name and the figure as the run list's "Avg" shows it.
ChartBar YardsPerCallBar(const PlayRec& play);
// `listTitle` is the list's printed title ("Blizzard - Running Plays").
std::string YardsPerCallChartTitle(std::string_view listTitle, std::string_view filter = {});

}  // namespace gridtally
