#include "core/lists/ChartBars.h"

#include <cstdint>

#include "core/lists/PlayListContent.h"
#include "core/lists/Tendencies.h"

namespace gridtally {

std::vector<ChartBar> TendencyBars(const TeamTotals* totals) {
    std::vector<ChartBar> bars;
    std::size_t row = 0;
    for (const std::vector<std::string>& cells : TendencyRows(totals)) {
        if (cells[0] == " ") continue;  // the separator after each down
        std::size_t down = row / 4, bucket = row % 4;
        ++row;
        std::int64_t runs = totals ? totals->counts[down][bucket][0] : 0;
        std::int64_t passes = totals ? totals->counts[down][bucket][1] : 0;
        ChartBar bar{cells[0], {static_cast<double>(runs), static_cast<double>(passes)}, {}};
        if (runs + passes > 0) {
            bar.label += " (" + std::to_string(Percent(runs, runs + passes)) + " % run)";
        }
        bar.tip =
            cells[0] + ": " + std::to_string(runs) + " runs, " + std::to_string(passes) + " passes";
        bars.push_back(std::move(bar));
    }
    return bars;
}

namespace {

std::string WithFilter(std::string title, std::string_view filter) {
    if (!filter.empty()) (title += " - ") += filter;
    return title;
}

}  // namespace

std::string TendencyChartTitle(std::string_view team, std::string_view filter) {
    return WithFilter(std::string(team) + " - runs and passes", filter);
}

ChartBar YardsPerCallBar(const PlayRec& play) {
    const PlayCallRec& r = play.results;
    double perCall = r.calls != 0 ? static_cast<double>(r.yards) / r.calls : 0.0;
    std::string name = play.key.play.str();
    std::string shown = AverageText(perCall);
    return {name + " (" + shown + ")",
            {perCall},
            name + ": " + std::to_string(r.yards) + " yards in " + std::to_string(r.calls) +
                " calls, " + shown + " per call"};
}

std::string YardsPerCallChartTitle(std::string_view listTitle, std::string_view filter) {
    return WithFilter(std::string(listTitle) + " - yards per call", filter);
}

}  // namespace gridtally
