#pragma once

#include <string>
#include <string_view>

#include "core/reports/ReportLines.h"
#include "gui/framework/ScrollView.h"

namespace gridtally {
class GameLog;
}

namespace gridtally::gui {

// A club's report of one game, drawn line by line in two monospaced fonts on screen
// and as one page of the printout. The lines are built from the document on every paint
// and every print; a "[B]" line is drawn bold with the marker shown as blanks.
class ReportView : public ScrollView {
public:
    explicit ReportView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(View* sender, UpdateHint hint, PrintHint* printHint) override;
    void OnDraw(DeviceContext& dc) override;
    void OnPrint(DeviceContext& dc, PrintInfo& info) override;

    // The club, as the label of the tab holding this view names it; set on first need.
    const std::string& teamName();
    // The report as it is drawn now, built afresh from the document.
    ReportLines Lines();

protected:
    virtual void BuildReport(const GameLog& game, std::string_view team,
                             ReportLines& lines) const = 0;
    virtual std::string Title(std::string_view team) const = 0;
    // Where the first line stands on screen, given the line height.
    virtual int FirstLineY(int lineHeight) const = 0;

private:
    std::string teamName_;
    bool teamNameSet_ = false;
};

}  // namespace gridtally::gui
