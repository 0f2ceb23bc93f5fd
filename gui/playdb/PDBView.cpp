#include "gui/playdb/PDBView.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>
#include <set>

#include "core/text/FileBytes.h"
#include "gui/framework/ChildFrame.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/MdiMainWindow.h"
#include "gui/framework/Printing.h"
#include "gui/playdb/PlayDBDoc.h"

namespace gridtally::gui {
namespace {

constexpr int kPrintedPages = 4;            // one per data page of the window
constexpr std::size_t kMostDeleted = 1024;  // selected entries deleted at one time
const QString kLogFilter = QStringLiteral("Turfa Log Files (*.log)");
const QString kDBFilter = QStringLiteral("Play DB Files (*.pdb)");

QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

const QString PDBView::kSaveCaption = QStringLiteral("Save") + QString(29, QLatin1Char(' '));
const QString PDBView::kUnsavedCaption = QStringLiteral("Save (*)");
const QString PDBView::kSavedCaption = QStringLiteral("Save     ");

PDBView::PDBView(QWidget* parent)
    : QWidget(parent),
      teamsLabel_(new QLabel(tr("Teams in DB"), this)),
      teamList_(new QListWidget(this)),
      addFiles_(new QPushButton(tr("Add Files To DB..."), this)),
      deleteTeams_(new QPushButton(tr("Delete Selected Teams"), this)),
      save_(new QPushButton(kSaveCaption, this)),
      currentLabel_(new QLabel(tr("Current Team:"), this)),
      currentTeam_(new QLineEdit(this)) {
    teamList_->setSelectionMode(QAbstractItemView::MultiSelection);
    teamList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    currentTeam_->setReadOnly(true);
    addFiles_->setDefault(true);
    PlaceControls();

    connect(addFiles_, &QPushButton::clicked, this, &PDBView::AddFiles);
    connect(deleteTeams_, &QPushButton::clicked, this, &PDBView::DeleteSelectedTeams);
    connect(save_, &QPushButton::clicked, this, [this] { Save(); });
    connect(teamList_, &QListWidget::itemSelectionChanged, this, &PDBView::ChooseCurrentTeam);
}

bool PDBView::TakeCommand(int id, bool run) {
    if (id == command::kFilePrint) return Take(run, [this] { PrintWithDialog(*this, window()); });
    if (id == command::kFilePrintPreview)
        return Take(run, [this] { PrintPreview(*this, window()); });
    return false;
}

void PDBView::PlaceControls() {
    // The template's places in dialog units: a quarter of the font's average character
    // width across, an eighth of its height down.
    QFontMetrics metrics(font());
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    double unitX = metrics.horizontalAdvance(letters) / 52.0 / 4.0;
    double unitY = metrics.height() / 8.0;
    auto place = [&](QWidget* control, int x, int y, int width, int height) {
        control->setGeometry(qRound(x * unitX), qRound(y * unitY), qRound(width * unitX),
                             qRound(height * unitY));
    };
    place(teamsLabel_, 15, 13, 75, 9);
    place(teamList_, 7, 24, 85, 70);
    place(addFiles_, 95, 20, 89, 14);
    place(deleteTeams_, 95, 37, 89, 14);
    place(save_, 95, 52, 89, 14);
    place(currentLabel_, 95, 70, 51, 8);
    place(currentTeam_, 151, 68, 69, 14);
    setMinimumSize(qRound(275 * unitX), qRound(114 * unitY));
    listMargin_ = qRound(7 * unitY);
    listMinimumHeight_ = teamList_->height();
}

void PDBView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The club list takes the window's height: a season has many clubs.
    int height = std::max(listMinimumHeight_, this->height() - teamList_->y() - listMargin_);
    teamList_->resize(teamList_->width(), height);
}

PlayDBDoc* PDBView::doc() const { return dynamic_cast<PlayDBDoc*>(document()); }

void PDBView::OnInitialUpdate() {
    RefreshTeamList();
    ChooseFirstClubIfNone();
}

void PDBView::ChooseFirstClubIfNone() {
    // A DB just opened (or restored) shows its first club at once, so that its pages and
    // its printout are never empty for want of a choice. It is made current, not
    // selected: a selection is what "Delete Selected Teams" deletes.
    PlayDBDoc* db = doc();
    if (db && db->currentTeam.empty() && teamList_->count() > 0) {
        teamList_->setCurrentItem(teamList_->item(0), QItemSelectionModel::NoUpdate);
        ChooseCurrentTeam();
    }
}

void PDBView::OnUpdate(View* /*sender*/, UpdateHint /*hint*/, PrintHint* /*printHint*/) {
    RefreshTeamList();
    ChooseFirstClubIfNone();
    // A play adjusted on a data page is a change to save as well.
    if (PlayDBDoc* db = doc(); db && db->IsModified()) save_->setText(kUnsavedCaption);
}

void PDBView::RefreshTeamList() {
    PlayDBDoc* db = doc();
    if (!db) return;
    // The core's list: one entry for names equal but for ASCII case, in its order.
    QSignalBlocker quiet(teamList_);
    QString current = teamList_->currentItem() ? teamList_->currentItem()->text() : QString();
    teamList_->clear();
    for (const std::string& name : db->TeamNames()) {
        auto* item = new QListWidgetItem(FromLatin1(name), teamList_);
        if (item->text() == current) {
            teamList_->setCurrentItem(item, QItemSelectionModel::NoUpdate);
        }
    }
}

void PDBView::ShowStatus(const QString& message) {
    if (auto* main = qobject_cast<QMainWindow*>(window())) main->statusBar()->showMessage(message);
}

void PDBView::MarkChanged() {
    save_->setText(kUnsavedCaption);
    if (PlayDBDoc* db = doc()) db->SetModifiedFlag(true);
}

void PDBView::AddFiles() {
    QStringList paths =
        CurrentDialogRunner().GetOpenFileNames(window(), tr("Add Files To DB"), kLogFilter, true);
    if (!paths.isEmpty()) AddLogFiles(paths);
}

void PDBView::AddLogFiles(const QStringList& paths) {
    PlayDBDoc* db = doc();
    if (!db || paths.isEmpty()) return;
    QProgressDialog progress(tr("Adding game logs..."), tr("Stop"), 0,
                             static_cast<int>(paths.size()), window());
    progress.setWindowTitle(tr("Add Files To DB"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress_ = &progress;

    std::vector<std::string> files;
    for (const QString& path : paths) files.push_back(QFile::encodeName(path).toStdString());
    std::set<std::string> names;
    auto onFile = [&](std::size_t done, std::size_t total) {
        progress.setValue(static_cast<int>(done));
        emit fileAdded(static_cast<int>(done), static_cast<int>(total));
        if (done < total) {
            progress.setLabelText(
                tr("Adding %1 (%2 of %3)")
                    .arg(QFileInfo(paths[static_cast<qsizetype>(done)]).fileName())
                    .arg(done + 1)
                    .arg(total));
        }
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    progress.setLabelText(
        tr("Adding %1 (1 of %2)").arg(QFileInfo(paths[0]).fileName()).arg(paths.size()));
    PlayDB::AddResult result = db->AddLogFiles(files, names, onFile);
    QStringList failures;
    for (const Failure& failure : result.failures) {
        QString reason = failure.unreadable ? QString::fromLocal8Bit(failure.reason.c_str())
                                            : FromLatin1(failure.reason);
        failures << tr("%1: %2").arg(QFile::decodeName(failure.path.c_str()), reason);
    }
    int processed = result.added;
    progress_ = nullptr;
    progress.reset();

    RefreshTeamList();
    if (processed > 0) MarkChanged();
    int games = processed - static_cast<int>(result.failures.size());
    ShowStatus(games == 1 ? tr("1 game added") : tr("%1 games added").arg(games));
    if (!failures.isEmpty()) {
        ShowFailure(window(),
                    tr("These files added no game to the DB:\n\n%1").arg(failures.join('\n')));
    }
}

void PDBView::DeleteSelectedTeams() {
    PlayDBDoc* db = doc();
    if (!db) return;
    std::vector<int> rows;
    for (QListWidgetItem* item : teamList_->selectedItems()) rows.push_back(teamList_->row(item));
    if (rows.empty()) return;
    std::sort(rows.begin(), rows.end());
    if (rows.size() > kMostDeleted) rows.resize(kMostDeleted);
    // From the bottom up, so that a deletion moves no entry still to come.
    std::sort(rows.rbegin(), rows.rend());

    QSignalBlocker quiet(teamList_);
    bool removed = false;
    for (int row : rows) {
        std::string name = teamList_->item(row)->text().toLatin1().toStdString();
        removed = db->HasTeam(name) || removed;
        db->DeleteTeam(name);
    }
    RefreshTeamList();
    if (!removed) return;
    // A club that is gone is shown on no page and no printout: the first one left takes
    // its place, or none when the DB is empty now.
    if (db->currentTeam.empty() || !db->HasTeam(db->currentTeam)) {
        QListWidgetItem* first = teamList_->item(0);
        teamList_->setCurrentItem(first, QItemSelectionModel::NoUpdate);
        db->currentTeam = first ? first->text().toLatin1().toStdString() : std::string();
        currentTeam_->setText(first ? first->text() : QString());
    }
    MarkChanged();
    db->UpdateAllViews(this);
}

bool PDBView::Save() {
    PlayDBDoc* db = doc();
    if (!db) return false;
    // A file that did not load cleanly is never offered to be written over.
    QString initial = db->damaged() ? QString() : db->pathName();
    QString path = CurrentDialogRunner().GetSaveFileName(window(), tr("Save Play DB"), initial,
                                                         kDBFilter, QStringLiteral("pdb"));
    if (path.isEmpty()) return false;
    return SaveTo(path);
}

bool PDBView::SaveTo(const QString& path) {
    PlayDBDoc* db = doc();
    if (!db) return false;
    // As a text editor does: another program's changes are not written over unasked.
    if (path == db->pathName() && db->ChangedOnDisk() &&
        !CurrentDialogRunner().Confirm(
            window(), QApplication::applicationDisplayName(),
            tr("%1 was changed by another program since it was read.\n\nSave over it, losing "
               "those changes?")
                .arg(path))) {
        return false;
    }
    QString error;
    if (!db->OnSaveDocument(path, &error)) {
        ShowFailure(window(), tr("Cannot save the Play DB.\n\n%1").arg(error));
        return false;
    }
    save_->setText(kSavedCaption);
    db->SetModifiedFlag(false);
    db->SavedAs(path);
    ShowStatus(tr("Saved %1").arg(QFileInfo(path).fileName()));
    if (auto* main = dynamic_cast<MdiMainWindow*>(window())) {
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* frame = dynamic_cast<ChildFrame*>(w)) {
                main->DocumentSaved(*frame);
                break;
            }
        }
    }
    return true;
}

void PDBView::ChooseCurrentTeam() {
    PlayDBDoc* db = doc();
    QListWidgetItem* caret = teamList_->currentItem();
    if (!db || !caret) return;
    db->currentTeam = caret->text().toLatin1().toStdString();
    db->UpdateAllViews(this);
    currentTeam_->setText(caret->text());
}

bool PDBView::OnPreparePrinting(PrintInfo& info) {
    info.minPage = 1;
    info.maxPage = kPrintedPages;
    return true;
}

void PDBView::OnPrint(QPainter& painter, PrintInfo& info) {
    PrintPageThroughViews(*this, painter, info);
}

QString PDBView::PrintedDocumentName() const {
    PlayDBDoc* db = doc();
    if (!db) return View::PrintedDocumentName();
    return QStringLiteral("%1 - %2").arg(db->title(), FromLatin1(db->currentTeam));
}

}  // namespace gridtally::gui
