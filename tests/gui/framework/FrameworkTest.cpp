#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QImage>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/framework/ChildFrame.h"
#include "gui/framework/Commands.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/framework/MdiMainWindow.h"
#include "gui/framework/PagePainter.h"
#include "gui/framework/Printing.h"
#include "gui/framework/RecentFileList.h"
#include "gui/framework/TabWindow.h"
#include "gui/framework/View.h"

using namespace gridtally;
using namespace gridtally::gui;

namespace {

// A view that records what reached it, and takes Save while `takesSave` is set.
class RecordingView : public QWidget, public View, public CommandTarget {
public:
    explicit RecordingView(QWidget* parent = nullptr) : QWidget(parent) {}
    bool TakeCommand(int id, bool run) override {
        return id == command::kFileSave && takesSave && Take(run, [this] { ++saves; });
    }
    bool takesSave = false;
    int saves = 0;
    void OnUpdate(View* sender, UpdateHint hint, PrintHint* printHint) override {
        updates.push_back({sender, hint, printHint});
    }
    struct Update {
        View* sender;
        UpdateHint hint;
        PrintHint* printHint;
    };
    std::vector<Update> updates;
};

// A view of `pages` pages, each a title and two lines, that records the hooks called.
struct PagedView : View {
    explicit PagedView(int pages) : pages(pages) {}
    bool OnPreparePrinting(PrintInfo& info) override {
        calls << "prepare";
        info.maxPage = pages;
        return true;
    }
    void OnPrint(QPainter& painter, PrintInfo& info) override {
        calls << QStringLiteral("page%1").arg(info.currentPage);
        QPointF at = info.printableArea.topLeft() + QPointF(0, 200);
        painter.setFont(QFont("Verdana", 20));
        painter.drawText(at, QStringLiteral("Page %1 title").arg(info.currentPage));
        painter.setFont(QFont("Courier New", 10));
        painter.drawText(at + QPointF(0, 400), QStringLiteral("first line"));
        painter.drawText(at + QPointF(0, 600), QStringLiteral("second line"));
    }
    int pages;
    QStringList calls;
};

QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A document type for the frame tests: opening fails for paths containing "bad".
class TestDocument : public Document {
public:
    bool OnOpenDocument(const QString& path, QString* error) override {
        if (path.contains("bad")) {
            if (error) *error = "unreadable";
            return false;
        }
        return true;
    }
};

class TestFrame : public ChildFrame {
public:
    explicit TestFrame(bool clientWorks) : clientWorks_(clientWorks) {}
    bool OnCreateClient(const CreateContext& context) override {
        if (!clientWorks_) return false;
        auto* tabs = new TabWindow;
        tabs->AddViewTab([](QWidget* parent) { return new RecordingView(parent); }, "First",
                         context);
        setWidget(tabs);
        return true;
    }

private:
    bool clientWorks_;
};

struct SilentRunner : DialogRunner {
    void ShowMessage(QWidget*, const QString&, const QString& text) override { messages << text; }
    QStringList GetOpenFileNames(QWidget*, const QString&, const QString& filter, bool) override {
        seenFilter = filter;
        return {"/games/one.log", "/games/season.pdb"};
    }
    QStringList messages;
    QString seenFilter;
};

}  // namespace

class FrameworkTest : public QObject {
    Q_OBJECT

private slots:
    void updateAllViewsSkipsTheSenderInCreationOrder() {
        Document document;
        RecordingView first, second, third;
        first.AttachTo(&document);
        second.AttachTo(&document);
        third.AttachTo(&document);
        QCOMPARE(document.views().size(), std::size_t(3));
        PrintHint print{nullptr, nullptr, &third};
        document.UpdateAllViews(&second, UpdateHint::Print, &print);
        QCOMPARE(first.updates.size(), std::size_t(1));
        QVERIFY(second.updates.empty());
        QVERIFY(third.updates[0].hint == UpdateHint::Print);
        QCOMPARE(third.updates[0].printHint, &print);
        QCOMPARE(third.updates[0].sender, static_cast<View*>(&second));
        {
            RecordingView gone;
            gone.AttachTo(&document);
        }
        QCOMPARE(document.views().size(), std::size_t(3));  // a destroyed view leaves
    }

    void documentsAreUntitledUntilTheyHaveAPath() {
        Document document;
        QCOMPARE(document.title(), QStringLiteral("Untitled"));
        QVERIFY(!document.IsModified());
        document.SetPathName("/tmp/season.pdb");
        QCOMPARE(document.title(), QStringLiteral("season.pdb"));
        document.SetModifiedFlag();
        QVERIFY(document.IsModified());
    }

    void aViewTabAttachesItsViewAndNestedPagesFindTheirOwn() {
        Document document;
        TabWindow top;
        auto* team = new TabWindow;
        top.addTab(new QWidget, "Log File Source");
        top.addTab(team, "Team 1");
        View* view = team->AddViewTab([](QWidget* parent) { return new RecordingView(parent); },
                                      "O Players", CreateContext{&document});
        QVERIFY(view);
        QCOMPARE(document.views(), std::vector<View*>{view});
        QCOMPARE(ViewOnPage(team->widget(0)), view);
        QVERIFY(!team->AddViewTab([](QWidget*) -> View* { return nullptr; }, "none", {}));
        QCOMPARE(team->count(), 1);
    }

    void printsPagesToAPdfWithTheirTextsInOrder() {
        QTemporaryDir dir;
        QString path = dir.filePath("pages.pdf");
        PagedView view(3);
        QVERIFY(PrintViewToPdf(view, path));
        QString info = RunTool("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+3")), qPrintable(info));
        QString text = RunTool("pdftotext", {"-layout", path, "-"});
        int title2 = text.indexOf("Page 2 title");
        QVERIFY2(title2 > 0, qPrintable(text));
        QVERIFY(text.indexOf("first line", title2) < text.indexOf("second line", title2));
        QVERIFY(text.indexOf("Page 1 title") < title2);
    }

    // A list longer or wider than its sheet is scaled down onto it, not cut off; one that
    // fits is painted at its size. The footer names the document and the page.
    void aPageTooBigForItsSheetIsScaledToFit() {
        QTemporaryDir dir;
        QString path = dir.filePath("big.pdf");
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        QRectF area(0, 0, writer.width(), writer.height());
        struct Case {
            int rows;
            std::string cell;
            bool fits;
        };
        const Case cases[] = {
            {20, "x", true}, {400, "x", false}, {3, std::string(300, 'w'), false}};
        int page = 0;
        for (const Case& c : cases) {
            std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(c.rows),
                                                       {"Play " + std::to_string(page), c.cell});
            static const ListColumn kColumns[] = {{"Play", 100, ColumnAlign::Left, 0, {}},
                                                  {"Text", 100, ColumnAlign::Left, 3000, {}}};
            PrintoutPage printout = ListPrintoutPage("Big", kColumns, rows);
            if (page++ > 0) writer.newPage();
            double scale = PaintPage(painter, area, printout, {"big.log", page, 3});
            QSizeF content = ContentSize(printout, PageFonts()) * scale;
            QCOMPARE(scale == 1.0, c.fits);
            QVERIFY(content.width() * 600 / 1440 <= area.width() + 1);
            QVERIFY(content.height() * 600 / 1440 <= area.height() + 1);
        }
        painter.end();
        QString text = RunTool("pdftotext", {"-layout", path, "-"});
        QVERIFY(text.contains("page 3 of 3"));
        QVERIFY(text.contains("big.log"));
        QVERIFY(text.contains("Play 1"));
    }

    void testsAnswerDialogsThroughTheirOwnRunner() {
        struct Answering : DialogRunner {
            QStringList GetOpenFileNames(QWidget*, const QString&, const QString& filter,
                                         bool multiple) override {
                seenFilter = filter;
                return multiple ? QStringList{"a.log", "b.log"} : QStringList{"a.log"};
            }
            QString seenFilter;
        } answering, inner;
        DialogRunner* standard = &CurrentDialogRunner();
        {
            ScopedDialogRunner scoped(answering);
            QCOMPARE(
                CurrentDialogRunner().GetOpenFileNames(nullptr, "Add", "Logs (*.log)", true).size(),
                2);
            QCOMPARE(answering.seenFilter, QStringLiteral("Logs (*.log)"));
            {
                ScopedDialogRunner nested(inner);
                QCOMPARE(&CurrentDialogRunner(), static_cast<DialogRunner*>(&inner));
            }
            QCOMPARE(&CurrentDialogRunner(), static_cast<DialogRunner*>(&answering));
        }
        QCOMPARE(&CurrentDialogRunner(), standard);
    }

    void recentFilesKeepTheNewestFourInTheSettings() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
        RecentFileList recent(4);
        for (const char* file :
             {"/g/1.log", "/g/2.log", "/g/3.log", "/g/4.log", "/g/5.log", "/g/3.log"}) {
            recent.Add(file);
        }
        QCOMPARE(recent.files(), QStringList({"/g/3.log", "/g/5.log", "/g/4.log", "/g/2.log"}));
        recent.WriteList(settings);
        RecentFileList again(4);
        again.ReadList(settings);
        QCOMPARE(again.files(), recent.files());
        QCOMPARE(settings.value("Recent File List/File1").toString(), QStringLiteral("/g/3.log"));
        QCOMPARE(ProgramSettings()->organizationName(),
                 QStringLiteral("Local AppWizard-Generated Applications"));
        QCOMPARE(ProgramSettings()->applicationName(), QStringLiteral("Turfa Log Stats"));
        again.Remove(0);
        again.Remove(7);
        QCOMPARE(again.files().size(), 3);
    }

    void templatesOpenFilesByExtensionIntoFramesOnTheRoute() {
        SilentRunner runner;
        ScopedDialogRunner scoped(runner);
        MdiMainWindow main;
        std::vector<QString> made;
        auto makeTemplate = [&](const char* strings, const char* kind, bool clientWorks) {
            return std::make_unique<DocTemplate>(
                1, strings,
                [&made, kind] {
                    made.push_back(kind);
                    return std::make_unique<TestDocument>();
                },
                [clientWorks](const CreateContext&) {
                    return std::make_unique<TestFrame>(clientWorks);
                });
        };
        main.AddDocTemplate(
            makeTemplate("\nLog\n\nGame Logs (*.log)\n.log\nLog\nLog", "log", true));
        main.AddDocTemplate(
            makeTemplate("\nPlayDB\nPlayDB\nPlay DB (*.pdb)\n.pdb\nDB\nDB", "db", true));
        QCOMPARE(main.templates()[1]->strings().filterExt, QStringLiteral(".pdb"));
        QCOMPARE(main.OpenFilter(),
                 QStringLiteral("Game Logs (*.log);;Play DB (*.pdb);;All Files (*.*)"));

        QVERIFY(main.RunCommand(command::kFileOpen));
        QCOMPARE(runner.seenFilter, main.OpenFilter());
        QCOMPARE(made, (std::vector<QString>{"log", "db"}));
        QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
        QCOMPARE(main.recentFiles().files().first(), QStringLiteral("/games/season.pdb"));

        ChildFrame* active = main.ActiveChild();
        QVERIFY(active);
        QCOMPARE(active->document()->title(), QStringLiteral("season.pdb"));
        QCOMPARE(active->document()->views().size(), std::size_t(1));
        auto* first = dynamic_cast<RecordingView*>(active->document()->views()[0]);
        QVERIFY(first && !first->updates.empty());  // had its initial update

        // A command goes to the active view, its window, the main window, the program, in
        // turn; one that none takes now is disabled.
        struct Program : CommandTarget {
            bool TakeCommand(int id, bool run) override {
                return id == command::kFileSave && Take(run, [this] { ++saves; });
            }
            int saves = 0;
        } program;
        main.SetApplicationTarget(&program);
        first->setFocus();
        QCOMPARE(active->GetActiveView(), first);
        QVERIFY(main.RunCommand(command::kFileSave));
        first->takesSave = true;
        QVERIFY(main.RunCommand(command::kFileSave));
        QCOMPARE(std::pair(program.saves, first->saves), std::pair(1, 1));
        QVERIFY(main.RunCommand(command::kFileClose, false));  // the active window closes
        QVERIFY(!main.RunCommand(command::kFilePrint, false));

        QVERIFY(!main.OpenDocumentFile("/games/bad.log"));
        QCOMPARE(runner.messages.size(), 1);
        QVERIFY(runner.messages[0].contains("unreadable"));
        QCOMPARE(main.mdiArea()->subWindowList().size(), 2);

        main.AddDocTemplate(makeTemplate("\nBroken\n\nBroken (*.brk)\n.brk\nB\nB", "brk", false));
        QVERIFY(!main.OpenDocumentFile("/games/x.brk"));  // a failing client abandons it
        QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
        // Menus follow the active document's type; accelerators go through the route.
        auto* fileMenu = new QMenu("&File");
        QAction* open = main.AddMenuCommand(fileMenu, "&Open...", command::kFileOpen);
        QAction* close = main.AddMenuCommand(fileMenu, "&Close", command::kFileClose);
        main.SetMenus(0, {fileMenu});
        main.SetMenus(1, {fileMenu, new QMenu("&View")});
        QCOMPARE(main.shownMenuResource(), 1);
        QCOMPARE(main.menuBar()->actions().size(), 2);
        main.UpdateActions();
        QVERIFY(open->isEnabled());
        QVERIFY(close->isEnabled());  // the active document's window closes
        QAction* accelerator = main.AddAccelerator(QKeySequence::Open, command::kFileOpen);
        QCOMPARE(accelerator->shortcut(), QKeySequence(QKeySequence::Open));
        int framesBefore = static_cast<int>(main.mdiArea()->subWindowList().size());
        accelerator->trigger();
        QCOMPARE(static_cast<int>(main.mdiArea()->subWindowList().size()), framesBefore + 2);

        QVERIFY(main.NewDocument(*main.templates()[1]));
        QCOMPARE(main.ActiveChild()->document()->title(), QStringLiteral("Untitled"));
        main.mdiArea()->closeAllSubWindows();
        QCoreApplication::processEvents();
        QCOMPARE(main.shownMenuResource(), 0);
        QCOMPARE(main.menuBar()->actions().size(), 1);
        main.UpdateActions();
        QVERIFY(!close->isEnabled());  // no window to close
        main.SetApplicationTarget(nullptr);
    }

    void aPrintRunCallsTheHooksInOrderAndDialogsGoThroughTheRunner() {
        PagedView view(2);
        QTemporaryDir dir;
        QVERIFY(PrintViewToPdf(view, dir.filePath("v.pdf")));
        QCOMPARE(view.calls, QStringList({"prepare", "page1", "page2"}));

        struct Cancelling : DialogRunner {
            int Exec(QDialog& dialog) override {
                shown << dialog.metaObject()->className();
                return QDialog::Rejected;
            }
            QStringList shown;
        } runner;
        {
            ScopedDialogRunner scoped(runner);
            view.calls.clear();
            QVERIFY(!PrintWithDialog(view, nullptr));
            PrintPreview(view, nullptr);
        }
        QCOMPARE(runner.shown.size(), 2);
        // Asked for its page range, printed nothing from cancelled dialogs.
        QCOMPARE(view.calls, QStringList({"prepare"}));
    }

    void aPdfThatCannotBeWrittenIsAnError() {
        QString error;
        PagedView view(1);
        QVERIFY(!PrintViewToPdf(view, "/no/such/folder/x.pdf", &error));
        QVERIFY(error.contains("/no/such/folder/x.pdf"));
    }
};

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);  // settings go to a test home
    QApplication app(argc, argv);
    FrameworkTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "FrameworkTest.moc"
