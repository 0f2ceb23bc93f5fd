#pragma once

#include <string_view>

class QChart;

namespace gridtally::gui {

class PlayCallModel;
class TendencyModel;

// The runs and passes of each down and distance as the tendency list shows them, one
// stacked bar per row (the separators left out), first row on top (the bar sets and the
// categories hold the rows from the last up); each row's label carries its run share.
// A bar hovered shows its row's figures in a tooltip, here and below. The texts are the
// core's, written as the lists write their figures.
// Under a filter (`filter` in words) the title says it.
void PlotTendencies(QChart& chart, const TendencyModel& model, std::string_view filter = {});

// Yards per call of each call the run or pass list shows, in the list's order (held from
// the last up, as above): the call's yards over the times it was called, also written
// in its label.
void PlotYardsPerCall(QChart& chart, const PlayCallModel& model, std::string_view filter = {});

// Spaces the value axis's ticks for the width the chart now has: as many as fit with room
// between their numbers, on whole numbers where the step allows, the range widened to
// whole steps. Call it whenever the plot area changes.
void FitValueTicks(QChart& chart);

}  // namespace gridtally::gui
