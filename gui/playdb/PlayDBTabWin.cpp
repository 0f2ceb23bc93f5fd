#include "gui/playdb/PlayDBTabWin.h"

#include <functional>

#include "gui/lists/CaptionedPage.h"
#include "gui/lists/ChartedPage.h"
#include "gui/lists/DefPlayList.h"
#include "gui/lists/ListCharts.h"
#include "gui/lists/PassPlayList.h"
#include "gui/lists/RunPlayList.h"
#include "gui/lists/TendLstView.h"
#include "gui/playdb/PDBView.h"
#include "gui/playdb/PlayDBDoc.h"

namespace gridtally::gui {
PlayDBTabWin::PlayDBTabWin(QWidget* parent) : ChildFrame(parent) {}

bool PlayDBTabWin::TakeCommand(int id, bool run) {
    switch (id) {
        case command::kFilePrint:  // taken and dropped here, so that only the form prints
        case command::kFilePrintPreview:
            return true;
        case command::kFileSave:
            return Take(run, [this] { SaveInPlace(); });
        case command::kFileSaveAs:
            return Take(run, [this] { form->Save(); });
        default:
            return ChildFrame::TakeCommand(id, run);
    }
}

bool PlayDBTabWin::OnCreateClient(const CreateContext& context) {
    // This order makes the document's order of views, which numbers the printed pages.
    tabs = new TabWindow(this);
    setWidget(tabs);
    form = dynamic_cast<PDBView*>(tabs->AddViewTab(MakeView<PDBView>(), tr("Play DB"), context));
    auto* db = dynamic_cast<PlayDBDoc*>(context.document);
    if (!db) return false;
    // The pages show the DB's current club, whichever it is at their refill.
    PlayCallModel::Club current = [db] { return db->currentTeam; };
    PlayModel& calls = *db;
    // Each data page names the club it shows above its list.
    auto addPage = [&](PageTableView* view, const QString& label, QWidget* body = nullptr) {
        view->AttachTo(db);
        tabs->addTab(new CaptionedPage(view, tabs, body), label);
    };
    addPage(new RunPlayList(calls, current), tr("Run Plays"));
    addPage(new PassPlayList(calls, current), tr("Pass Plays"));
    addPage(new DefPlayList(calls, current), tr("Def Plays"));
    auto* tendencies = new TendLstView(calls, current);
    addPage(tendencies, tr("Tendencies"), new ChartedPage(tendencies, [tendencies](QChart& chart) {
                PlotTendencies(chart, static_cast<const TendencyModel&>(tendencies->pageModel()));
            }));
    tabs->setCurrentIndex(0);
    return form != nullptr;
}

View* PlayDBTabWin::GetActiveView() const {
    if (View* view = ViewOnPage(tabs ? tabs->currentWidget() : nullptr)) return view;
    return ChildFrame::GetActiveView();
}

bool PlayDBTabWin::SaveInPlace() {
    // A DB with a file of its own, read cleanly, is saved there; else a name is asked.
    auto* db = dynamic_cast<PlayDBDoc*>(document());
    if (!form) return false;
    if (db && !db->damaged() && !db->pathName().isEmpty()) return form->SaveTo(db->pathName());
    return form->Save();
}

bool PlayDBTabWin::SaveForClose() { return SaveInPlace(); }

}  // namespace gridtally::gui
