#pragma once

#include <QStringList>
#include <QWidget>

#include "gui/framework/Commands.h"
#include "gui/framework/View.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressDialog;
class QPushButton;

namespace gridtally::gui {

class PlayDBDoc;

// "Play DB": the form of a Play DB window. It lists the DB's clubs, adds game logs,
// deletes clubs, saves, chooses the club the other pages show, and prints those pages.
class PDBView : public QWidget, public View, public CommandTarget {
    Q_OBJECT

public:
    // The form's controls, by the ids of its template.
    enum ControlId {
        kTeamsLabel = 1028,
        kAddFiles = 1031,
        kDeleteTeams = 1032,
        kSave = 1033,
        kTeamList = 1034,
        kCurrentLabel = 1035,
        kCurrentTeam = 1036,
    };
    // The Save button's caption tells whether there are unsaved changes.
    static const QString kSaveCaption;     // as the form starts
    static const QString kUnsavedCaption;  // "Save (*)"
    static const QString kSavedCaption;    // "Save     "

    explicit PDBView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // Print and Print Preview.
    bool TakeCommand(int id, bool run) override;
    void OnUpdate(View* sender, UpdateHint hint, PrintHint* printHint) override;
    bool OnPreparePrinting(PrintInfo& info) override;
    void OnPrint(QPainter& painter, PrintInfo& info) override;
    // The DB's file name and the club its pages show.
    QString PrintedDocumentName() const override;

    // "Add Files To DB...": the open dialog, then the files.
    void AddFiles();
    // Adds logs in order with a progress window that can stop between files; the files
    // done stay added. Files that could not be read are named in one message at the end.
    void AddLogFiles(const QStringList& paths);
    // "Delete Selected Teams", from the bottom of the list up.
    void DeleteSelectedTeams();
    // "Save": the save dialog, then the file. False when cancelled or failed.
    bool Save();
    // Saves to `path` without asking; a failure is shown as a message.
    bool SaveTo(const QString& path);

    QListWidget* teamList() const { return teamList_; }
    QPushButton* saveButton() const { return save_; }
    QLineEdit* currentTeamBox() const { return currentTeam_; }
    QProgressDialog* progress() const { return progress_; }

signals:
    // After each file while logs are added.
    void fileAdded(int done, int total);

private:
    PlayDBDoc* doc() const;
    void RefreshTeamList();
    void ChooseFirstClubIfNone();
    void ChooseCurrentTeam();
    void MarkChanged();
    // What adding or saving did, in the main window's status bar.
    void ShowStatus(const QString& message);
    void PlaceControls();
    void resizeEvent(QResizeEvent* event) override;

    QLabel* teamsLabel_;
    QListWidget* teamList_;
    QPushButton* addFiles_;
    QPushButton* deleteTeams_;
    QPushButton* save_;
    QLabel* currentLabel_;
    QLineEdit* currentTeam_;
    QProgressDialog* progress_ = nullptr;
    int listMargin_ = 0;
    int listMinimumHeight_ = 0;
};

}  // namespace gridtally::gui
