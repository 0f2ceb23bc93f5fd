#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

#include "gui/app/AboutBox.h"
#include "gui/app/CommandLine.h"
#include "gui/app/MainFrm.h"
#include "gui/app/TabFrame.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/framework/RecentFileList.h"
#include "gui/playdb/PlayDBDoc.h"
#include "gui/playdb/PlayDBTabWin.h"

using namespace gridtally::gui;

namespace {

const QString kSample = QStringLiteral(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log");

// Counts the dialogs the shell opens, by class, and answers them all with Cancel.
struct Counting : DialogRunner {
    QStringList shown;
    int Exec(QDialog& dialog) override {
        shown << dialog.metaObject()->className();
        return QDialog::Rejected;
    }
};

QStringList Items(const QMenu& menu) {
    QStringList items;
    for (QAction* action : menu.actions()) {
        if (action->isVisible())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

QStringList MenuBarTitles(const QMainWindow& window) {
    QStringList titles;
    for (QAction* action : window.menuBar()->actions()) titles << action->text();
    return titles;
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        ProgramSettings()->clear();
        QDir(PlayDBDoc::RecoveryFolder()).removeRecursively();  // nothing to offer back
        qputenv("GRIDTALLY_SOCKET", QByteArray("gridtally-shell-test-") +
                                        QByteArray::number(QCoreApplication::applicationPid()));
    }

    void startUpShowsTheMainWindowWithNoDocument() {
        CYardbookApp app;
        QVERIFY(app.InitInstance());
        CMainFrame& main = *app.mainFrame();
        QCOMPARE(main.windowTitle(), QStringLiteral("Gridtally"));
        QCOMPARE(main.pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(MenuBarTitles(main), QStringList({"&File", "&Edit", "&View", "&Window", "&Help"}));
        QCOMPARE(
            Items(*main.menusOf(0)[0]),
            QStringList({"&Open...\tCtrl+O", "Open &Season...", "&New DB...\tCtrl+N",
                         "&Save\tCtrl+S", "Save &As...", "&Close\tCtrl+W", "-", "&Print...\tCtrl+P",
                         "Print Pre&view", "P&rint Setup...", "-", "Recent File", "-", "E&xit"}));
        // The keys the menus show are keys indeed.
        QStringList keys;
        for (QAction* action : main.actions()) keys << action->shortcut().toString();
        for (const char* key : {"Ctrl+O", "Ctrl+S", "Ctrl+P", "Ctrl+C", "Ctrl+F"}) {
            QVERIFY2(keys.contains(key), key);
        }
        // Ctrl+W is each document window's own (its Close); bound twice it would do nothing.
        QVERIFY(!keys.contains("Ctrl+W"));
        // With no document, what would act on one cannot be chosen.
        for (QAction* action : main.toolBar()->actions()) {
            if (action->text() == "Save" || action->text() == "Copy" || action->text() == "Print") {
                QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
            }
        }
        QCOMPARE(app.logDocTemplate->strings().filterName, QStringLiteral("Yardbk Files (*.log)"));
        QCOMPARE(app.playDBDocTemplate->strings().filterName,
                 QStringLiteral("PlayDB Files  (*.pdb)"));
        QCOMPARE(main.OpenFilter(), QStringLiteral("Yardbk Files (*.log)|*.log|PlayDB Files  "
                                                   "(*.pdb)|*.pdb|All Files (*.*)|*.*||"));

        QStringList toolbar;
        for (QAction* action : main.toolBar()->actions()) {
            toolbar << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(toolbar,
                 QStringList({"Open", "Save", "-", "Copy", "Search", "-", "Print", "About"}));
        QCOMPARE(main.statusBar()->currentMessage(), QStringLiteral("Ready"));
        for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
            QVERIFY(main.statusBar()->findChild<QLabel*>(indicator));
        }
        main.router().Execute(command::kViewToolbar);
        QVERIFY(main.toolBar()->isHidden());
        main.router().Execute(command::kViewToolbar);
        QVERIFY(!main.toolBar()->isHidden());
    }

    void newDBOpensUntitledAndCtrlNDoesNothing() {
        CYardbookApp app;
        app.InitInstance();
        CMainFrame& main = *app.mainFrame();
        QVERIFY(!main.router().Execute(command::kFileNew));  // the key's command: no handler
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
        QVERIFY(main.router().Execute(CYardbookApp::kNewPlayDB));
        auto* window = dynamic_cast<PlayDBTabWin*>(main.ActiveChild());
        QVERIFY(window);
        QCOMPARE(window->document()->title(), QStringLiteral("Untitled"));
        QCOMPARE(window->tabs->GetActiveTab(), 0);
        QTRY_COMPARE(main.windowTitle(), QStringLiteral("Gridtally - Untitled"));
    }

    void theMenusFollowTheActiveDocumentType() {
        CYardbookApp app;
        app.InitInstance();
        CMainFrame& main = *app.mainFrame();
        Counting dialogs;
        ScopedDialogRunner scope(dialogs);
        QCOMPARE(main.shownMenuResource(), 0);
        main.OpenDocumentFile(kSample);
        QCOMPARE(main.shownMenuResource(), CYardbookApp::kLogResource);
        main.router().Execute(CYardbookApp::kNewPlayDB);
        QCOMPARE(main.shownMenuResource(), CYardbookApp::kPlayDBResource);

        // In a Play DB window the File menu's Print item sets up the printer, while the
        // Print command (Ctrl+P) prints from the form page.
        QMenu* file = main.menusOf(CYardbookApp::kPlayDBResource)[0];
        QAction* printItem = file->actions()[7];
        QCOMPARE(printItem->text(), QStringLiteral("&Print...\tCtrl+P"));
        printItem->trigger();
        main.router().Execute(command::kFilePrint);
        QCOMPARE(dialogs.shown, QStringList({"QPageSetupDialog", "QPrintDialog"}));

        main.router().Execute(command::kAppAbout);
        QCOMPARE(dialogs.shown.last(), QStringLiteral("gridtally::gui::AboutBox"));
    }

    // The Window menu lists the open documents and goes to them; File > Close (Ctrl+W)
    // closes the active one.
    void theWindowMenuFollowsTheOpenDocuments() {
        CYardbookApp app;
        app.InitInstance();
        CMainFrame& main = *app.mainFrame();
        Counting dialogs;
        ScopedDialogRunner scope(dialogs);
        main.OpenDocumentFile(kSample);
        main.router().Execute(CYardbookApp::kNewPlayDB);
        QMenu* window = main.menusOf(CYardbookApp::kPlayDBResource)[3];
        QCOMPARE(window->title(), QStringLiteral("&Window"));
        emit window->aboutToShow();
        QStringList items = Items(*window);
        QCOMPARE(items.mid(items.size() - 2),
                 QStringList({"&1 riverside-at-hillcrest.log", "&2 Untitled"}));
        QVERIFY(window->actions().last()->isChecked());  // the active one

        window->actions()[items.size() - 2]->trigger();
        QCOMPARE(main.ActiveChild()->document()->title(),
                 QStringLiteral("riverside-at-hillcrest.log"));
        QVERIFY(main.router().Execute(command::kWindowNext));
        QCOMPARE(main.ActiveChild()->document()->title(), QStringLiteral("Untitled"));
        QVERIFY(main.router().Execute(command::kFileClose));
        QTRY_COMPARE(main.mdiArea()->subWindowList().size(), 1);
        emit window->aboutToShow();
        QCOMPARE(Items(*window).last(), QStringLiteral("&1 riverside-at-hillcrest.log"));
        // A document window restored from maximized keeps a useful size.
        main.ActiveChild()->showNormal();
        QVERIFY(main.ActiveChild()->width() >= 600 && main.ActiveChild()->height() >= 450);
    }

    void recentFilesKeepFourAndSurviveARestart() {
        ProgramSettings()->clear();
        QTemporaryDir dir;
        QStringList logs;
        for (int i = 0; i < 5; ++i) {
            QString path = dir.filePath(QStringLiteral("game%1.log").arg(i));
            QFile::copy(kSample, path);
            logs << path;
        }
        {
            CYardbookApp app;
            app.InitInstance();
            for (const QString& log : logs) app.mainFrame()->OpenDocumentFile(log);
            QCOMPARE(app.mainFrame()->recentFiles().files().size(), 4);
            QCOMPARE(app.mainFrame()->recentFiles().files().front(), logs.back());
        }
        CYardbookApp restarted;
        restarted.InitInstance();
        CMainFrame& main = *restarted.mainFrame();
        QCOMPARE(main.recentFiles().files().size(), 4);
        main.move(40, 30);  // closed here, it opens here the next time
        main.close();
        CYardbookApp again;
        again.InitInstance();
        QCOMPARE(again.mainFrame()->pos(), QPoint(40, 30));
        QStringList items = Items(*main.menusOf(0)[0]);
        QVERIFY(items.contains(QStringLiteral("&1 ") + logs.back()));
        QVERIFY(!items.contains(QStringLiteral("Recent File")));

        QFile::remove(logs.back());  // a recent file that is gone leaves the list
        Counting dialogs;
        ScopedDialogRunner scope(dialogs);
        QVERIFY(!main.OpenRecentFile(0));
        QCOMPARE(main.recentFiles().files().size(), 3);
        main.close();
    }

    void droppedFilesOpenWithTheTemplateOfTheirExtension() {
        CYardbookApp app;
        app.InitInstance();
        CMainFrame& main = *app.mainFrame();
        QTemporaryDir dir;
        QString db = dir.filePath("empty.pdb");
        QFile(db).open(QIODevice::WriteOnly);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(kSample), QUrl::fromLocalFile(db)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&main, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&main, &drop);
        QList<QMdiSubWindow*> windows = main.mdiArea()->subWindowList();
        QCOMPARE(windows.size(), 2);
        QVERIFY(dynamic_cast<CTabFrame*>(windows[0]));
        QVERIFY(dynamic_cast<PlayDBTabWin*>(windows[1]));
    }

    void aSecondRunHandsItsFilesToTheFirst() {
        CYardbookApp app;
        app.InitInstance();
        CMainFrame& main = *app.mainFrame();

        QProcess second;
        second.start(QStringLiteral(GRIDTALLY_PROGRAM), {"--open", kSample});
        QVERIFY(second.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 30000);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(main.mdiArea()->subWindowList().size(), 1, 10000);
        QVERIFY(dynamic_cast<CTabFrame*>(main.mdiArea()->subWindowList().front()));
    }

    void onlyOpenOpensFilesNamedOnTheCommandLine() {
        struct Case {
            QStringList arguments;
            CommandLine::Job job;
            QStringList open;
        };
        const Case cases[] = {
            {{"gridtally", "game.log"}, CommandLine::Job::Run, {}},
            {{"gridtally", "--open", "a.log", "b.pdb"}, CommandLine::Job::Run, {"a.log", "b.pdb"}},
            {{"gridtally", "--print-to-pdf", "a.log", "a.pdf"}, CommandLine::Job::PrintToPdf, {}},
            {{"gridtally", "--print-to-pdf", "a.log"}, CommandLine::Job::Refuse, {}},
            {{"gridtally", "--print-to-pdf", "s.pdb", "s.pdf"}, CommandLine::Job::Refuse, {}},
        };
        for (const Case& c : cases) {
            QCommandLineParser parser;
            SetUpCommandLine(parser);
            QVERIFY(parser.parse(c.arguments));
            CommandLine line = ReadCommandLine(parser);
            QCOMPARE(line.job, c.job);
            QCOMPARE(line.open, c.open);
        }
    }

    void theAboutBoxShowsItsLinesAndTerms() {
        AboutBox about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About yardbook"));
        QVERIFY(about.findChild<QLabel*>() != nullptr);
        QVERIFY(about.terms()->isReadOnly());
        int length = static_cast<int>(AboutBox::kDisclaimer.size());
        QVERIFY2(length > 1600 && length < 2000, qPrintable(QString::number(length)));
        QVERIFY(AboutBox::kDisclaimer.contains(QLatin1String("\r\n")));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Turfa Log Stats"));
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "ShellTest.moc"
