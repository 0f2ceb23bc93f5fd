#pragma once

#include "gui/reports/ReportView.h"

namespace gridtally::gui {

// "Special": a club's kicking, punting and returns.
class SpecialTeamsView : public ReportView {
public:
    using ReportView::ReportView;

protected:
    void BuildReport(const PlayModel& game, std::string_view team,
                     ReportLines& lines) const override;
    std::string Title(std::string_view team) const override;
    CsvTable BuildTable(const PlayModel& game, std::string_view team) const override;
    int FirstLineY(int /*lineHeight*/) const override { return 5; }
};

}  // namespace gridtally::gui
