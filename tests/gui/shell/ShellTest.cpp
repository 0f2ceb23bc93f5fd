#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLocalServer>
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
#include <functional>
#include <map>

#include "gui/app/AboutBox.h"
#include "gui/app/AppIcon.h"
#include "gui/app/CommandLine.h"
#include "gui/app/MainFrm.h"
#include "gui/app/TabFrame.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/framework/RecentFileList.h"
#include "gui/playdb/PDBView.h"
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

// Answers the real file dialogs, as a user would, and keeps the folder each opened in.
struct FileDialogs : DialogRunner {
    QStringList openedIn;
    QStringList choices;  // the file each next dialog chooses; none left: Cancel
    int Exec(QDialog& dialog) override {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (!files) return QDialog::Rejected;
        openedIn << files->directory().absolutePath();
        if (choices.isEmpty()) return QDialog::Rejected;
        files->selectFile(choices.takeFirst());
        return QDialog::Accepted;
    }
};

// Sets environment variables (an empty value unsets) and puts them back when it goes.
struct Environment {
    explicit Environment(std::initializer_list<std::pair<const char*, QByteArray>> values) {
        for (const auto& [name, value] : values) {
            saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            Set(name, value);
        }
    }
    ~Environment() {
        for (const auto& [name, value, set] : saved) Set(name, set ? value : QByteArray());
    }
    static void Set(const char* name, const QByteArray& value) {
        if (value.isEmpty()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    std::vector<std::tuple<const char*, QByteArray, bool>> saved;
};

// The items as the menu shows them: the label, and its key after a tab.
QStringList Items(const QMenu& menu) {
    QStringList items;
    for (QAction* action : menu.actions()) {
        if (!action->isVisible()) continue;
        QString key = action->shortcut().toString();
        items << (action->isSeparator() ? QStringLiteral("-")
                  : key.isEmpty()       ? action->text()
                                        : action->text() + '\t' + key);
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
        for (QAction* item : main.menusOf(0)[0]->actions()) {
            QVERIFY2(!item->text().contains('\t'), qPrintable(item->text()));  // a key sequence
        }
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
        QCOMPARE(main.OpenFilter(), QStringLiteral("Yardbk Files (*.log);;PlayDB Files  "
                                                   "(*.pdb);;All Files (*.*)"));

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
        main.RunCommand(command::kViewToolbar);
        QVERIFY(main.toolBar()->isHidden());
        main.RunCommand(command::kViewToolbar);
        QVERIFY(!main.toolBar()->isHidden());
    }

    void newDBOpensUntitledAndCtrlNDoesNothing() {
        CYardbookApp app;
        app.InitInstance();
        CMainFrame& main = *app.mainFrame();
        QVERIFY(!main.RunCommand(command::kFileNew));  // the key's command: no handler
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
        QVERIFY(main.RunCommand(CYardbookApp::kNewPlayDB));
        auto* window = dynamic_cast<PlayDBTabWin*>(main.ActiveChild());
        QVERIFY(window);
        QCOMPARE(window->document()->title(), QStringLiteral("Untitled"));
        QCOMPARE(window->tabs->currentIndex(), 0);
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
        main.RunCommand(CYardbookApp::kNewPlayDB);
        QCOMPARE(main.shownMenuResource(), CYardbookApp::kPlayDBResource);

        // In a Play DB window the File menu's Print item sets up the printer, while the
        // Print command (Ctrl+P) prints from the form page.
        QMenu* file = main.menusOf(CYardbookApp::kPlayDBResource)[0];
        QAction* printItem = file->actions()[7];
        QCOMPARE(Items(*file)[7], QStringLiteral("&Print...\tCtrl+P"));
        printItem->trigger();
        main.RunCommand(command::kFilePrint);
        QCOMPARE(dialogs.shown, QStringList({"QPageSetupDialog", "QPrintDialog"}));

        main.RunCommand(command::kAppAbout);
        QCOMPARE(dialogs.shown.last(), QStringLiteral("gridtally::gui::AboutBox"));

        // Every item issues a command of its own (Export CSV... once opened a season):
        // the only two alike are the Play DB's Print..., which sets up the printer.
        for (int resource : {0, int(CYardbookApp::kPlayDBResource)}) {
            std::map<int, QString> named;
            for (QMenu* menu : main.menusOf(resource)) {
                for (QAction* item : menu->actions()) {
                    if (item->isSeparator() || !item->data().isValid()) continue;
                    auto [at, added] = named.emplace(item->data().toInt(), item->text());
                    bool printSetup = item->data().toInt() == command::kFilePrintSetup;
                    QVERIFY2(added || printSetup, qPrintable(at->second + " / " + item->text()));
                }
            }
        }
        main.OpenDocumentFile(kSample);
        dialogs.shown.clear();
        QVERIFY(!main.RunCommand(command::kEditExportCsv));  // the log's text is no table
        QVERIFY(dialogs.shown.isEmpty());
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
        main.RunCommand(CYardbookApp::kNewPlayDB);
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
        QVERIFY(main.RunCommand(command::kWindowNext));
        QCOMPARE(main.ActiveChild()->document()->title(), QStringLiteral("Untitled"));
        QVERIFY(main.RunCommand(command::kFileClose));
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

    // A run hands its files to the program of its own user, display and session only,
    // through a socket in a folder no one else may enter; with no display, to none.
    void filesAreHandedOverOnlyOnTheirOwnDisplay() {
        struct Named {
            const char* platform;
            const char* x11;
            const char* wayland;
            QString display;
        };
        const Named displays[] = {
            {"xcb", ":0", "wayland-1", ":0"},
            {"xcb", ":1.0", "", ":1"},  // screen 0 of display 1
            {"xcb", "localhost:10.2", "", "localhost:10"},
            {"wayland", ":0", "wayland-1", "wayland-1"},
            {"wayland-egl", ":0", "", "wayland-0"},
            {"offscreen", ":0", "wayland-1", ""},
            {"minimal", ":0", "", ""},
        };
        for (const Named& n : displays) {
            Environment environment({{"DISPLAY", n.x11}, {"WAYLAND_DISPLAY", n.wayland}});
            QCOMPARE(DisplayName(QString::fromLatin1(n.platform)), n.display);
        }

        QTemporaryDir dir;
        QString mine = dir.filePath("mine"), open = dir.filePath("open"),
                file = dir.filePath("file"), link = dir.filePath("link"),
                theirs = dir.filePath("theirs");
        QDir().mkdir(open);
        chmod(QFile::encodeName(open).constData(), 0755);
        QFile(file).open(QIODevice::WriteOnly);
        QDir().mkdir(theirs);
        chmod(QFile::encodeName(theirs).constData(), 0700);
        bool chowned = chown(QFile::encodeName(theirs).constData(), geteuid() + 1, getegid()) == 0;
        QVERIFY(IsPrivateFolder(mine));  // made so
        QFile::link(mine, link);
        struct stat made {};
        QCOMPARE(stat(QFile::encodeName(mine).constData(), &made), 0);
        QCOMPARE(made.st_mode & 0777, 0700u);
        QVERIFY(IsPrivateFolder(mine));
        for (const QString& refused : {open, file, link, dir.filePath("no/such/folder")})
            QVERIFY2(!IsPrivateFolder(refused), qPrintable(refused));
        if (chowned) QVERIFY(!IsPrivateFolder(theirs));

        const QString shared = QStringLiteral("/tmp/gridtally-%1/").arg(geteuid());
        struct Socket {
            QString runtime;
            QString display;
            QString path;
        };
        const Socket sockets[] = {
            {mine, ":0", mine + "/gridtally-:0"},
            {mine, "/run/user/7/wayland-0", mine + "/gridtally-%2Frun%2Fuser%2F7%2Fwayland-0"},
            {open, ":0", shared + "gridtally-:0"},  // a runtime folder others may enter
            {link, ":0", shared + "gridtally-:0"},
            {"relative", ":0", shared + "gridtally-:0"},
            {mine + "/gone", ":0", shared + "gridtally-:0"},  // not made here
            {"", ":3", shared + "gridtally-:3"},
            {mine, "", ""},  // no display: no socket
        };
        for (const Socket& s : sockets) {
            Environment environment({{"XDG_RUNTIME_DIR", s.runtime.toLocal8Bit()}});
            QCOMPARE(InstanceServerName(s.display), s.path);
        }
        QVERIFY(!QFileInfo::exists(mine + "/gone"));

        // Offscreen, a run hands nothing over, not even to a program listening where every
        // display's programs once met.
        QByteArray user = "shell-test-" + QByteArray::number(QCoreApplication::applicationPid());
        Environment environment({{"GRIDTALLY_SOCKET", ""}, {"USER", user}});
        QLocalServer stranger;
        QVERIFY(stranger.listen("gridtally-" + QString::fromLatin1(user)));
        QCOMPARE(InstanceServerName(), QString());
        QVERIFY(!HandFilesToRunningInstance({kSample}));
        QVERIFY(!stranger.waitForNewConnection(100));
        {
            Environment chosen({{"GRIDTALLY_SOCKET", "gridtally-" + user}});
            QCOMPARE(InstanceServerName(), "gridtally-" + QString::fromLatin1(user));
        }
    }

    // A file dialog opens in the folder of the active document, else in the folder last
    // used, also after a restart.
    void fileDialogsOpenInTheActiveDocumentsFolderElseTheLastUsed() {
        ProgramSettings()->clear();
        QTemporaryDir games, logs, dbs;
        QString game = games.filePath("game.log"), added = logs.filePath("added.log"),
                db = dbs.filePath("s.pdb");
        QFile::copy(kSample, game);
        QFile::copy(kSample, added);
        FileDialogs dialogs;
        ScopedDialogRunner scope(dialogs);
        {
            CYardbookApp app;
            app.InitInstance();
            CMainFrame& main = *app.mainFrame();
            auto open = [&] { main.RunCommand(command::kFileOpen); };
            auto form = [&] { return dynamic_cast<PlayDBTabWin*>(main.ActiveChild())->form; };
            struct Step {
                const char* what;
                std::function<void()> act;
                QString choice;
                QString opensIn;  // empty: not checked
            };
            const Step steps[] = {
                {"Open with no document", open, game, {}},
                {"Open over the game", open, {}, games.path()},
                {"Add Files to a new DB",
                 [&] {
                     main.RunCommand(CYardbookApp::kNewPlayDB);
                     form()->AddFiles();
                 },
                 added, games.path()},
                {"Save of the DB never saved", [&] { form()->Save(); }, db, logs.path()},
                {"Open over the saved DB", open, {}, dbs.path()},
                {"Open over the game again",
                 [&] {
                     main.mdiArea()->setActiveSubWindow(main.mdiArea()->subWindowList().front());
                     open();
                 },
                 {},
                 games.path()},
                {"Open Season over the game",
                 [&] { main.RunCommand(CYardbookApp::kOpenSeason); },
                 {},
                 games.path()},
            };
            for (const Step& step : steps) {
                dialogs.openedIn.clear();
                if (!step.choice.isEmpty()) dialogs.choices = {step.choice};
                step.act();
                QCOMPARE(dialogs.openedIn.size(), 1);
                if (!step.opensIn.isEmpty())
                    QVERIFY2(dialogs.openedIn[0] == step.opensIn, step.what);
                QVERIFY2(dialogs.choices.isEmpty(), step.what);
            }
            QCOMPARE(main.mdiArea()->subWindowList().size(), 2);  // the game and the DB
            QVERIFY(QFile::exists(db));
        }
        CYardbookApp again;
        again.InitInstance();
        dialogs.openedIn.clear();
        again.mainFrame()->RunCommand(command::kFileOpen);
        QCOMPARE(dialogs.openedIn, QStringList({dbs.path()}));
    }

    // Document windows and dialogs show the program's icon, not the toolkit's.
    void documentWindowsCarryTheProgramsIcon() {
        CYardbookApp app;
        app.InitInstance();
        CMainFrame& main = *app.mainFrame();
        main.OpenDocumentFile(kSample);
        main.RunCommand(CYardbookApp::kNewPlayDB);
        QImage program = AppIcon().pixmap(32, 32).toImage();
        for (QMdiSubWindow* window : main.mdiArea()->subWindowList()) {
            // Maximized, a document window shows its icon at the left of the menu bar.
            main.mdiArea()->setActiveSubWindow(window);
            QVERIFY(window->isMaximized());
            QCOMPARE(window->windowIcon().pixmap(32, 32).toImage(), program);
            QWidget* corner = main.menuBar()->cornerWidget(Qt::TopLeftCorner);
            QVERIFY(corner);
            QImage shown = corner->grab().toImage();
            bool ball = false;  // the brown of our football
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x) {
                    QColor c = shown.pixelColor(x, y);
                    ball = ball || (c.red() > c.green() + 30 && c.green() > c.blue() + 10);
                }
            }
            QVERIFY(ball);
        }
        QCOMPARE(AboutBox().windowIcon().pixmap(32, 32).toImage(), program);
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

    // The About box, its menu item, the window title and --version name one program of
    // one version.
    void theAboutBoxShowsItsLinesAndTerms() {
        QProcess version;
        version.start(QStringLiteral(GRIDTALLY_PROGRAM), {"--version"});
        QVERIFY(version.waitForFinished(30000));
        QString said = QString::fromUtf8(version.readAllStandardOutput()).trimmed();
        QVERIFY2(said.startsWith(QLatin1String("Gridtally ")), qPrintable(said));
        CYardbookApp app;
        app.InitInstance();
        QString program = app.mainFrame()->windowTitle();
        QCOMPARE(program + ' ' + QStringLiteral(GRIDTALLY_VERSION), said);
        QCOMPARE(Items(*app.mainFrame()->menusOf(0).last()),
                 QStringList({"&About " + program + "..."}));

        AboutBox about;
        QCOMPARE(about.windowTitle(), "About " + program);
        QStringList lines;
        for (QLabel* label : about.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) lines << label->text();
        }
        QCOMPARE(lines, QStringList({said}));
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
