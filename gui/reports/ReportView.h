#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <string>
#include <string_view>

#include "core/reports/ReportLines.h"
#include "core/text/Csv.h"
#include "gui/framework/Commands.h"
#include "gui/framework/View.h"

namespace gridtally {
class PlayModel;
}

namespace gridtally::gui {

// A club's report of one game, drawn line by line in two monospaced fonts on screen
// and as one page of the printout. The lines are built from the document on every paint
// and every print; a "[B]" line is drawn bold with the marker shown as blanks. Copy puts
// the report's text on the clipboard; Export CSV... writes its sections as one table.
// Each label of a bold header line says in a tooltip what it counts.
class ReportView : public QAbstractScrollArea, public View, public CommandTarget {
public:
    ReportView(const PlayModel& game, std::string club, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(View* sender, UpdateHint hint, PrintHint* printHint) override;
    void OnPrint(QPainter& painter, PrintInfo& info) override;
    // Copy and Export CSV...
    bool TakeCommand(int id, bool run) override;

    const std::string& teamName() const { return club_; }
    // The report as it is drawn now, built afresh from the document.
    ReportLines Lines() const;
    // The report's text as Copy puts it on the clipboard: the title, then the lines.
    QString CopiedText() const;
    // The report's sections as one table, as Export CSV... writes it.
    CsvTable Table() const;
    bool ExportCsv();
    // What the header label at `point` of the viewport means ("KO: kick-offs"), or
    // nothing where there is no such label.
    QString HeaderTipAt(QPoint point) const;

protected:
    virtual void BuildReport(const PlayModel& game, std::string_view team,
                             ReportLines& lines) const = 0;
    virtual std::string Title(std::string_view team) const = 0;
    virtual CsvTable BuildTable(const PlayModel& game, std::string_view team) const = 0;
    // Where the first line stands on screen, given the line height.
    virtual int FirstLineY(int lineHeight) const = 0;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A header label under the mouse tells its meaning.
    bool viewportEvent(QEvent* event) override;

private:
    // "Courier New" of 10 points on this screen, the regular or the bold face.
    QFont ScreenFont(bool bold) const;
    // The lines' step down the screen: the bold font's height and leading.
    int LineHeight() const;
    // The scroll bars' ranges and steps: every line, whole.
    void FitScrollSize();

    const PlayModel& game_;
    std::string club_;
};

}  // namespace gridtally::gui
