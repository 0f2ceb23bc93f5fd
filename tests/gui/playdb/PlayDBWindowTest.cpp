#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>
#include <set>

#include "GuiTestSupport.h"
#include "core/playdb/PlayDBFile.h"
#include "core/reports/GamePrintout.h"
#include "gui/app/MainFrm.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/ChildFrame.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/DocTemplate.h"
#include "gui/framework/MdiMainWindow.h"
#include "gui/framework/PagePainter.h"
#include "gui/framework/Printing.h"
#include "gui/lists/CaptionedPage.h"
#include "gui/lists/PageTableView.h"
#include "gui/lists/PlayCallList.h"
#include "gui/lists/TendLstView.h"
#include "gui/playdb/PDBView.h"
#include "gui/playdb/PlayAdjustDlg.h"
#include "gui/playdb/PlayDBDoc.h"
#include "gui/playdb/PlayDBTabWin.h"

using namespace gridtally;
using namespace gridtally::gui;
using gridtally::gui::testing::PdfText;
using gridtally::gui::testing::PreviewAnswer;
using gridtally::gui::testing::Rows;

namespace {

const QString kExamples = QStringLiteral(GRIDTALLY_EXAMPLES_DIR);
const QString kData = QStringLiteral(GRIDTALLY_TEST_DATA_DIR);

QStringList SampleLogs() {
    return {kExamples + "/riverside-at-hillcrest.log", kData + "/comets-vs-prairie-dogs.log",
            kData + "/harbor-city-vs-ironmen.log"};
}

// Answers every dialog of the window: the files to add, the name to save under, the
// choice on closing; and keeps the messages shown.
struct Answers : DialogRunner {
    QStringList openFiles;
    QString saveName;
    QString offeredName = QStringLiteral("(not asked)");
    SaveChoice onClose = SaveChoice::Cancel;
    QStringList messages;
    int dialogs = 0;
    int asked = 0;
    int Exec(QDialog&) override {
        ++dialogs;
        return QDialog::Rejected;
    }
    QStringList GetOpenFileNames(QWidget*, const QString&, const QString&, bool) override {
        return openFiles;
    }
    QString GetSaveFileName(QWidget*, const QString&, const QString& initial, const QString&,
                            const QString&) override {
        offeredName = initial;
        return saveName;
    }
    void ShowMessage(QWidget*, const QString&, const QString& text) override { messages << text; }
    SaveChoice AskSaveChanges(QWidget*, const QString&, const QString&) override {
        ++asked;
        return onClose;
    }
    bool confirm = false;
    QStringList questions;
    bool Confirm(QWidget*, const QString&, const QString& question) override {
        questions << question;
        return confirm;
    }
};

// One Play DB window in a main window, which owns it as the program's does.
struct DBWindow {
    explicit DBWindow(const QString& path = {}) {
        dbTemplate = &main.AddDocTemplate(MakePlayDBDocTemplate());
        ChildFrame* frame =
            path.isEmpty() ? main.NewDocument(*dbTemplate) : main.OpenDocumentFile(path);
        window = dynamic_cast<PlayDBTabWin*>(frame);
        if (window) form = window->form;
    }
    PlayDBDoc& db() const { return *dynamic_cast<PlayDBDoc*>(window->document()); }
    PlayCallList* list(int tab) const { return dynamic_cast<PlayCallList*>(page(tab)->view()); }
    CaptionedPage* page(int tab) const {
        return qobject_cast<CaptionedPage*>(window->tabs->widget(tab));
    }
    QStringList Listed() const {
        QStringList names;
        for (int row = 0; row < form->teamList()->count(); ++row) {
            names << form->teamList()->item(row)->text();
        }
        return names;
    }
    void Choose(const QString& team) const {
        QList<QListWidgetItem*> found = form->teamList()->findItems(team, Qt::MatchExactly);
        if (found.isEmpty()) return;
        form->teamList()->setCurrentItem(found.front());  // a click: caret and selection
    }
    MdiMainWindow main;
    DocTemplate* dbTemplate = nullptr;
    PlayDBTabWin* window = nullptr;
    PDBView* form = nullptr;
};

// The records of a DB, independent of the tables' orders.
std::map<std::string, std::string> Canonical(const PlayDB& db) {
    std::map<std::string, std::string> records;
    for (const auto& [key, record] : db.playCalls.records()) {
        std::string counters;
        for (const PlayCallCounterField& field : kPlayCallCounterFields) {
            counters += std::to_string(record.get()->*field.member) + ' ';
        }
        records["call " + key] = counters;
    }
    for (const auto& [name, totals] : db.teamTotals) {
        std::string counts;
        for (const auto& down : totals->counts)
            for (const auto& bucket : down)
                counts += std::to_string(bucket[0]) + '/' + std::to_string(bucket[1]) + ' ';
        records["team " + name] = counts;
    }
    return records;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

}  // namespace

class PlayDBWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aNewDBShowsAnEmptyFormAndEmptyPages() {
        DBWindow dbWindow;
        QVERIFY(dbWindow.window);
        QCOMPARE(dbWindow.window->tabs->count(), 5);
        QCOMPARE(dbWindow.window->tabs->tabText(0), QStringLiteral("Play DB"));
        QCOMPARE(dbWindow.window->tabs->tabText(4), QStringLiteral("Tendencies"));
        QCOMPARE(dbWindow.db().title(), QStringLiteral("Untitled"));
        QVERIFY(dbWindow.Listed().isEmpty());
        QCOMPARE(dbWindow.form->saveButton()->text(), PDBView::kSaveCaption);
        for (int tab : {1, 2, 3}) QCOMPARE(dbWindow.list(tab)->RowCount(), 0);
        dbWindow.form->DeleteSelectedTeams();  // nothing selected: nothing changes
        QCOMPARE(dbWindow.form->saveButton()->text(), PDBView::kSaveCaption);
        QVERIFY(!dbWindow.db().IsModified());
    }

    void addingLogsListsTheirClubsOnceAndChoosingOneFillsThePages() {
        QTemporaryDir dir;
        // The same club again, its name in capitals: listed once.
        QByteArray shouting = Bytes(SampleLogs()[1]).replace("Comets", "COMETS");
        Write(dir.filePath("shouting.log"), shouting);
        Answers answers;
        answers.openFiles = SampleLogs() << dir.filePath("shouting.log");
        ScopedDialogRunner scope(answers);
        DBWindow dbWindow;
        dbWindow.form->AddFiles();
        QStringList listed = dbWindow.Listed();
        QCOMPARE(listed.size(), 6);  // "COMETS" or "Comets", which ever came first
        QCOMPARE(
            listed.join(',').toLower(),
            QStringLiteral("comets,harbor city,hillcrest,ironmen,prairie dogs,riverside otters"));
        QCOMPARE(dbWindow.form->saveButton()->text(), PDBView::kUnsavedCaption);
        QVERIFY(dbWindow.db().IsModified());
        QVERIFY(answers.messages.isEmpty());
        QCOMPARE(dbWindow.main.statusBar()->currentMessage(), QStringLiteral("4 games added"));

        // The form, the four pages and the printout show the current club, as the core
        // has its pages; a club deleted gives its place to the first one left.
        auto showsCurrent = [&](const QString& club) {
            QCOMPARE(QString::fromLatin1(dbWindow.db().currentTeam.c_str()), club);
            QCOMPARE(dbWindow.form->currentTeamBox()->text(), club);
            QVERIFY(dbWindow.form->PrintedDocumentName().endsWith(" - " + club));
            std::vector<PrintoutPage> pages =
                BuildPlayCallPages(dbWindow.db(), club.toLatin1().toStdString());
            for (int tab = 1; tab <= 4; ++tab) {
                const PrintoutPage& page = pages[static_cast<std::size_t>(tab - 1)];
                QCOMPARE(dbWindow.page(tab)->caption(), QString::fromStdString(page.title));
                QVERIFY2(Rows(*dbWindow.page(tab)->view()) == page.rows,
                         qPrintable(QString::number(tab)));
            }
        };
        auto remove = [&](const QStringList& clubs) {
            dbWindow.form->teamList()->clearSelection();
            for (const QString& club : clubs)
                dbWindow.form->teamList()
                    ->findItems(club, Qt::MatchExactly)
                    .front()
                    ->setSelected(true);
            dbWindow.form->DeleteSelectedTeams();
            for (const QString& club : clubs) {
                QVERIFY(!dbWindow.Listed().contains(club));
                QVERIFY(!dbWindow.db().HasTeam(club.toLatin1().toStdString()));
            }
        };
        dbWindow.Choose("Hillcrest");
        showsCurrent("Hillcrest");
        QVERIFY(dbWindow.list(1)->RowCount() > 0);
        remove({"Ironmen"});  // not the current club: it stays
        showsCurrent("Hillcrest");
        remove({"Hillcrest", "Harbor City"});
        QCOMPARE(dbWindow.Listed().size(), 3);
        showsCurrent(dbWindow.Listed().front());
        QVERIFY(dbWindow.list(1)->RowCount() > 0);
        while (!dbWindow.Listed().isEmpty()) {
            remove(dbWindow.Listed());
            showsCurrent(dbWindow.Listed().value(0));  // none when the DB is empty
        }
        for (int tab : {1, 2, 3}) QCOMPARE(dbWindow.list(tab)->RowCount(), 0);
        QCOMPARE(dbWindow.form->saveButton()->text(), PDBView::kUnsavedCaption);
    }

    void anAdjustedPlayIsAChangeToSave() {
        struct Delete : DialogRunner {
            int Exec(QDialog& dialog) override {
                if (auto* adjust = qobject_cast<PlayAdjustDlg*>(&dialog))
                    adjust->deleteBox()->click();
                return QDialog::Accepted;
            }
        } answer;
        ScopedDialogRunner scope(answer);
        DBWindow dbWindow;
        dbWindow.form->AddLogFiles({SampleLogs()[0]});
        QTemporaryDir dir;
        QVERIFY(dbWindow.form->SaveTo(dir.filePath("saved.pdb")));
        QVERIFY(!dbWindow.db().IsModified());
        dbWindow.Choose("Hillcrest");
        PlayCallList* runs = dbWindow.list(1);
        dbWindow.window->tabs->setCurrentIndex(1);
        int before = runs->RowCount();
        runs->AdjustPlayAt(runs->visualRect(runs->model()->index(0, 0)).center());
        QCOMPARE(runs->RowCount(), before - 1);
        QVERIFY(dbWindow.db().IsModified());
        QCOMPARE(dbWindow.form->saveButton()->text(), PDBView::kUnsavedCaption);
    }

    void saveWritesWhatReloadsAndAFailedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        QString path = dir.filePath("season.pdb");
        Answers answers;
        answers.openFiles = SampleLogs();
        answers.saveName = path;
        ScopedDialogRunner scope(answers);
        DBWindow dbWindow;
        dbWindow.form->AddFiles();
        QVERIFY(dbWindow.form->Save());
        QCOMPARE(dbWindow.form->saveButton()->text(), PDBView::kSavedCaption);
        QVERIFY(!dbWindow.db().IsModified());
        QCOMPARE(dbWindow.main.statusBar()->currentMessage(), QStringLiteral("Saved season.pdb"));
        // Saved, the DB is that file: its name in the titles and the recent files.
        QCOMPARE(dbWindow.db().title(), QStringLiteral("season.pdb"));
        QCOMPARE(dbWindow.main.recentFiles().files().value(0), path);

        PlayDB reloaded;
        QVERIFY(LoadPlayDB(Bytes(path).toStdString(), reloaded).Clean());
        PlayDB direct;
        std::set<std::string> names;
        std::vector<std::string> logs;
        for (const QString& log : SampleLogs()) logs.push_back(log.toStdString());
        direct.AddLogFiles(logs, names);
        QVERIFY(Canonical(reloaded) == Canonical(direct));

        // A file that may not be written stays as it was, and the changes stay unsaved.
        QByteArray before = Bytes(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        dbWindow.form->AddLogFiles({SampleLogs()[0]});
        QVERIFY(!dbWindow.form->SaveTo(path));
        QCOMPARE(dbWindow.main.statusBar()->currentMessage(), QStringLiteral("1 game added"));
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY2(answers.messages[0].contains(path), qPrintable(answers.messages[0]));
        QCOMPARE(Bytes(path), before);
        QCOMPARE(dbWindow.form->saveButton()->text(), PDBView::kUnsavedCaption);
        QVERIFY(dbWindow.db().IsModified());
    }

    void closingWithUnsavedChangesAsks() {
        Answers answers;
        answers.openFiles = {SampleLogs()[0]};
        ScopedDialogRunner scope(answers);
        DBWindow dbWindow;
        dbWindow.form->AddFiles();
        answers.onClose = DialogRunner::SaveChoice::Cancel;
        QVERIFY(!dbWindow.window->close());
        QCOMPARE(answers.asked, 1);
        QCOMPARE(dbWindow.main.mdiArea()->subWindowList().size(), 1);
        QVERIFY(!dbWindow.main.close());  // Exit asks as well, and Cancel keeps the program
        QCOMPARE(answers.asked, 2);

        answers.onClose = DialogRunner::SaveChoice::Save;
        answers.saveName.clear();  // the save dialog cancelled: the window stays
        QVERIFY(!dbWindow.window->close());

        // Once saved under a name, Save on closing writes that file and asks no name.
        QTemporaryDir dir;
        answers.saveName = dir.filePath("kept.pdb");
        QVERIFY(dbWindow.form->Save());
        dbWindow.form->AddLogFiles({SampleLogs()[1]});
        answers.saveName.clear();
        answers.offeredName = QStringLiteral("(not asked)");
        QVERIFY(dbWindow.window->close());
        QCOMPARE(answers.offeredName, QStringLiteral("(not asked)"));
        QCOMPARE(answers.asked, 4);
        PlayDB kept;
        QVERIFY(LoadPlayDB(Bytes(dir.filePath("kept.pdb")).toStdString(), kept).Clean());
        QVERIFY(kept.HasTeam("Comets"));  // the second log's club, saved on closing
    }

    // Another program's save since the file was read is not written over unasked.
    void aFileChangedOnDiskIsNotSavedOverUnasked() {
        QTemporaryDir dir;
        QString path = dir.filePath("season.pdb");
        Answers answers;
        answers.openFiles = {SampleLogs()[0]};
        answers.saveName = path;
        ScopedDialogRunner scope(answers);
        DBWindow dbWindow;
        dbWindow.form->AddFiles();
        QVERIFY(dbWindow.form->Save());
        dbWindow.form->AddLogFiles({SampleLogs()[1]});
        QVERIFY(dbWindow.form->SaveTo(path));  // ours since: no question
        QVERIFY(answers.questions.isEmpty());

        PlayDB other;  // as db add in a terminal would
        std::set<std::string> names;
        std::string log = Bytes(SampleLogs()[2]).toStdString();
        other.AddLog(&log, names);
        QTest::qWait(20);  // a later modification time
        QVERIFY(SavePlayDBFile(other, path.toStdString(), nullptr));
        QByteArray theirs = Bytes(path);
        dbWindow.form->AddLogFiles({SampleLogs()[0]});
        QVERIFY(!dbWindow.form->SaveTo(path));
        QCOMPARE(answers.questions.size(), 1);
        QVERIFY(answers.questions[0].contains("changed by another program"));
        QCOMPARE(Bytes(path), theirs);
        answers.confirm = true;
        QVERIFY(dbWindow.form->SaveTo(path));
        QVERIFY(Bytes(path) != theirs);
    }

    // Unsaved changes are kept in a recovery copy; a program that stopped without saving
    // them has them offered back at the next start.
    void aStoppedProgramsUnsavedChangesAreOfferedBack() {
        qputenv("GRIDTALLY_SOCKET", QByteArray("gridtally-playdb-test-") +
                                        QByteArray::number(QCoreApplication::applicationPid()));
        QDir folder(PlayDBDoc::RecoveryFolder());
        folder.removeRecursively();
        QTemporaryDir dir;
        Answers answers;
        answers.openFiles = SampleLogs();
        answers.saveName = dir.filePath("season.pdb");
        ScopedDialogRunner scope(answers);
        std::map<std::string, std::string> unsaved;
        pid_t gone = fork();
        if (gone == 0) _exit(0);
        waitpid(gone, nullptr, 0);
        {
            DBWindow dbWindow;
            dbWindow.form->AddFiles();
            QStringList copies = folder.entryList({"*.pdb"});
            QCOMPARE(copies.size(), 1);
            PlayDB copy;
            QVERIFY(LoadPlayDB(Bytes(folder.filePath(copies[0])).toStdString(), copy).Clean());
            unsaved = Canonical(copy);
            QVERIFY(unsaved == Canonical(dbWindow.db()));
            // What a program killed now leaves: its copy, under a process that is gone.
            QString left = folder.filePath(QStringLiteral("%1-1").arg(gone));
            QFile::copy(folder.filePath(copies[0]), left + ".pdb");
            QFile::copy(folder.filePath(copies[0]).chopped(4) + ".path", left + ".path");
            QVERIFY(dbWindow.form->Save());  // a save takes its own copy away
            QCOMPARE(folder.entryList({"*.pdb"}),
                     QStringList({QStringLiteral("%1-1.pdb").arg(gone)}));
        }
        answers.confirm = true;
        CYardbookApp app;
        QVERIFY(app.InitInstance());
        QCOMPARE(answers.questions.size(), 1);
        QVERIFY(answers.questions[0].contains("had changes that were not saved"));
        auto* window = dynamic_cast<PlayDBTabWin*>(app.mainFrame()->ActiveChild());
        QVERIFY(window);
        auto& db = *dynamic_cast<PlayDBDoc*>(window->document());
        QVERIFY(Canonical(db) == unsaved);
        QVERIFY(db.IsModified());
        QVERIFY(!db.currentTeam.empty());
        QCOMPARE(folder.entryList({"*.pdb"}).size(), 1);  // now the restored DB's own
        answers.onClose = DialogRunner::SaveChoice::Discard;
        QVERIFY(window->close());
        QTRY_VERIFY(folder.entryList({"*.pdb"}).isEmpty());
        app.mainFrame()->close();
    }

    void discardingOnCloseClosesUnsaved() {
        Answers answers;
        answers.openFiles = {SampleLogs()[0]};
        ScopedDialogRunner scope(answers);
        DBWindow dbWindow;
        dbWindow.form->AddFiles();
        answers.onClose = DialogRunner::SaveChoice::Discard;
        QVERIFY(dbWindow.window->close());
    }

    // The form lists the clubs as the core does (`db teams`): names equal but for ASCII
    // case once, other letters as they are ("\xC9cureuils" and "\xE9cureuils" are two).
    void theFormListsTheClubsAsTheCoreDoes() {
        QTemporaryDir dir;
        QByteArray log = Bytes(SampleLogs()[1]);
        QStringList logs;
        for (const char* name : {"\xC9"
                                 "cureuils",
                                 "\xE9"
                                 "cureuils",
                                 "COMETS"}) {
            QString path = dir.filePath(QStringLiteral("g%1.log").arg(logs.size()));
            Write(path, QByteArray(log).replace("Comets", name));
            logs << path;
        }
        Answers answers;
        answers.openFiles = logs;
        ScopedDialogRunner scope(answers);
        DBWindow dbWindow;
        dbWindow.form->AddFiles();
        QStringList core;
        for (const std::string& name : dbWindow.db().TeamNames()) {
            core << QString::fromLatin1(name.c_str());
        }
        QCOMPARE(dbWindow.Listed(), core);
        QCOMPARE(core.size(), 4);  // two kinds of squirrels, COMETS, Prairie Dogs
    }

    void stoppingTheProgressKeepsTheFilesDoneAndUnreadableOnesAreNamedOnce() {
        Answers answers;
        ScopedDialogRunner scope(answers);
        DBWindow dbWindow;
        QObject::connect(dbWindow.form, &PDBView::fileAdded, dbWindow.form, [&](int done, int) {
            if (done == 1) dbWindow.form->progress()->cancel();
        });
        dbWindow.form->AddLogFiles(SampleLogs());
        QCOMPARE(dbWindow.Listed(), QStringList({"Hillcrest", "Riverside Otters"}));
        QCOMPARE(dbWindow.form->saveButton()->text(), PDBView::kUnsavedCaption);

        DBWindow second;
        second.form->AddLogFiles({"/no/such/a.log", SampleLogs()[1], "/no/such/b.log"});
        QCOMPARE(second.Listed(), QStringList({"Comets", "Prairie Dogs"}));
        QCOMPARE(second.main.statusBar()->currentMessage(), QStringLiteral("1 game added"));
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(answers.messages[0].contains("/no/such/a.log"));
        QVERIFY(answers.messages[0].contains("/no/such/b.log"));
    }

    void theFormPrintsFourPagesAndOtherPagesDoNot() {
        Answers answers;
        answers.openFiles = SampleLogs();
        ScopedDialogRunner scope(answers);
        DBWindow dbWindow;
        dbWindow.form->AddFiles();
        dbWindow.Choose("Comets");
        QTemporaryDir dir;
        QVERIFY(PrintViewToPdf(*dbWindow.form, dir.filePath("db.pdf")));
        QStringList pages = PdfText(dir.filePath("db.pdf")).split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 4);
        QStringList titles = {"Comets - Running Plays", "Comets - Passing Plays",
                              "Comets - Defensive Plays", "Comets - Tendencies"};
        for (int page = 0; page < 4; ++page)
            QVERIFY(pages[page].trimmed().startsWith(titles[page]));

        dbWindow.window->tabs->setCurrentIndex(1);
        QVERIFY(dbWindow.main.RunCommand(command::kFilePrint));  // taken by the window
        QCOMPARE(answers.dialogs, 0);                            // and dropped
        dbWindow.window->tabs->setCurrentIndex(0);
        dbWindow.main.RunCommand(command::kFilePrint);
        QCOMPARE(answers.dialogs, 1);  // the print dialog, from the form
    }

    // A season's DB: the sample games added forty times over, so that figures run to
    // four digits and lists are long.
    void aSeasonDBOpensOnItsFirstClubAndPrintsLegiblePagesThatFit() {
        QTemporaryDir dir;
        QString path = dir.filePath("season.pdb");
        {
            PlayDB season;
            std::set<std::string> names;
            for (int round = 0; round < 40; ++round) {
                for (const QString& log : SampleLogs()) {
                    std::string bytes = Bytes(log).toStdString();
                    season.AddLog(&bytes, names);
                }
            }
            std::string error;
            QVERIFY(SavePlayDBFile(season, path.toStdString(), &error));
        }
        PreviewAnswer preview;
        ScopedDialogRunner scope(preview);
        DBWindow dbWindow(path);
        QVERIFY(dbWindow.window);
        QString first = dbWindow.Listed().value(0);
        QCOMPARE(QString::fromStdString(dbWindow.db().currentTeam), first);
        QCOMPARE(dbWindow.form->findChild<QLineEdit*>()->text(), first);
        QVERIFY(dbWindow.form->teamList()->selectedItems().isEmpty());  // nothing to delete
        QVERIFY(dbWindow.list(1)->RowCount() > 0);

        dbWindow.main.RunCommand(command::kFilePrintPreview);
        QCOMPARE(preview.pages, 4);

        // No text on paper reaches into the column after it.
        PageFonts fonts;
        for (const QString& club : dbWindow.Listed()) {
            for (const PrintoutPage& page :
                 BuildPlayCallPages(dbWindow.db(), club.toLatin1().toStdString())) {
                std::vector<double> starts = ColumnStarts(page, fonts);
                for (std::size_t column = 0; column + 1 < starts.size(); ++column) {
                    double room = starts[column + 1] - starts[column];
                    QVERIFY(QFontMetricsF(fonts.header)
                                .horizontalAdvance(QString::fromStdString(page.headers[column])) <
                            room);
                    for (const auto& row : page.rows) {
                        QString cell = QString::fromLatin1(row[column]);
                        QVERIFY2(QFontMetricsF(fonts.text).horizontalAdvance(cell) < room,
                                 qPrintable(cell));
                    }
                }
            }
        }
    }

    void aDamagedFileOpensAfterAMessageAndIsNotOfferedForSaving() {
        QTemporaryDir dir;
        QString path = dir.filePath("log-as-db.pdb");
        QFile::copy(SampleLogs()[0], path);
        QByteArray before = Bytes(path);
        Answers answers;
        answers.saveName.clear();
        ScopedDialogRunner scope(answers);
        DBWindow dbWindow(path);
        QVERIFY(dbWindow.window);
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(answers.messages[0].contains(path));
        QVERIFY(answers.messages[0].contains("stray bytes"));
        QVERIFY(!dbWindow.form->Save());
        QCOMPARE(answers.offeredName, QString());
        dbWindow.main.RunCommand(command::kFileSave);  // Ctrl+S asks for a name too
        QCOMPARE(answers.offeredName, QString());
        QCOMPARE(Bytes(path), before);
    }

    void printAClubOfADBFromTheCommandLine() {
        QTemporaryDir dir;
        QString db = dir.filePath("s.pdb");
        Answers answers;
        answers.openFiles = SampleLogs();
        answers.saveName = db;
        {
            ScopedDialogRunner scope(answers);
            DBWindow dbWindow;
            dbWindow.form->AddFiles();
            QVERIFY(dbWindow.form->Save());
        }
        struct Case {
            QStringList arguments;
            int status;
            const char* shows;
        };
        const Case cases[] = {
            {{"--print-to-pdf", db, dir.filePath("c.pdf"), "--team", "Comets"}, 0, ""},
            {{"--print-to-pdf", db, dir.filePath("n.pdf"), "--team", "Nobody"}, 1, "no team named"},
            {{"--print-to-pdf", db, dir.filePath("m.pdf")}, 2, "--team NAME"},
        };
        for (const Case& c : cases) {
            QProcess program;
            program.start(QStringLiteral(GRIDTALLY_PROGRAM), c.arguments);
            QVERIFY(program.waitForFinished(60000));
            QCOMPARE(program.exitCode(), c.status);
            QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains(c.shows));
        }
        QVERIFY(PdfText(dir.filePath("c.pdf")).contains("Comets - Tendencies"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PlayDBWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "PlayDBWindowTest.moc"
