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
#include "gui/framework/CommandRouting.h"
#include "gui/framework/DeviceContext.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/framework/MdiMainWindow.h"
#include "gui/framework/PagePainter.h"
#include "gui/framework/PdfPrinter.h"
#include "gui/framework/Printing.h"
#include "gui/framework/RecentFileList.h"
#include "gui/framework/ScrollView.h"
#include "gui/framework/TabWindow.h"
#include "gui/framework/View.h"

using namespace gridtally;
using namespace gridtally::gui;

namespace {

// A view that records what reached it.
class RecordingView : public QWidget, public View {
public:
    explicit RecordingView(QWidget* parent = nullptr) : QWidget(parent) {}
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

QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A document type for the frame tests: opening fails for paths containing "bad".
class TestDocument : public Document, public CommandTarget {
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

    void twipsMapFromTheOriginWithYDecreasingDownThePage() {
        QImage image(1440, 1440, QImage::Format_RGB32);
        QPainter painter(&image);
        DeviceContext dc(painter, 144, 144, QPointF(10, 20));
        QCOMPARE(dc.ToDevice(5, 7), QPointF(5, 7));
        dc.SetMapMode(MapMode::Twips);
        QCOMPARE(dc.ToDevice(1440, -1440), QPointF(10 + 144, 20 + 144));
        QCOMPARE(dc.ToDevice(0, -10), QPointF(10, 21));
    }

    void fontsByPointSizeAndByHeightGiveTheirMetrics() {
        QImage image(200, 200, QImage::Format_RGB32);
        QPainter painter(&image);
        DeviceContext dc(painter, 96, 96);
        FontRequest ten = dc.PointFont(100, "Courier New");
        QCOMPARE(ten.height, -13);  // 10 points at 96 dpi
        FontRequest before = dc.SelectFont(ten);
        QVERIFY(before.face.isEmpty());
        QCOMPARE(QFontInfo(painter.font()).pixelSize(), 13);
        TextMetrics metrics = dc.GetTextMetrics();
        QVERIFY(metrics.height >= 13);
        QVERIFY(metrics.ascent > 0);
        QCOMPARE(dc.SelectFont({"Verdana", -20, 700, true, 4, 0}).face,
                 QStringLiteral("Courier New"));

        // A bold face named by its face name is bold.
        dc.SelectFont({"Courier New Bold", -13, 400, false, 0x31, 0});
        QVERIFY(painter.font().bold());
        QVERIFY(painter.font().fixedPitch());

        int saved = dc.SaveDC();
        dc.SetMapMode(MapMode::Twips);
        dc.SelectFont({"Courier New", -200, 400, false, 0x31, 0});
        QCOMPARE(QFontInfo(painter.font()).pixelSize(), 13);  // 200 twips at 96 dpi
        dc.RestoreDC(saved);
        QCOMPARE(dc.mapMode(), MapMode::Text);
        QCOMPARE(dc.selectedFont().face, QStringLiteral("Courier New Bold"));
    }

    void tabWindowsNestAndTabsKeepTheirLabelsAndIds() {
        Document document;
        TabWindow top;
        auto* team = new TabWindow;
        top.AddWindowTab(new QWidget, "Log File Source", 1);
        top.AddWindowTab(team, "Team 1", 2);
        View* view = team->AddViewTab([](QWidget* parent) { return new RecordingView(parent); },
                                      "O Players", CreateContext{&document}, 7);
        QVERIFY(view);
        QCOMPARE(document.views().size(), std::size_t(1));
        QCOMPARE(top.count(), 2);
        QCOMPARE(team->tabText(0), QStringLiteral("O Players"));
        QCOMPARE(team->GetTabId(0), 7);
        QCOMPARE(top.FindTab(team), 1);
        QCOMPARE(top.FindTab(dynamic_cast<QWidget*>(view)), -1);  // not directly

        top.setTabText(1, "Comets");
        QCOMPARE(top.tabText(1), QStringLiteral("Comets"));

        std::vector<int> activated;
        top.SetNotifyWindow([&](int index) { activated.push_back(index); });
        top.setCurrentIndex(1);
        QCOMPARE(top.currentIndex(), 1);
        QCOMPARE(activated, std::vector<int>{1});
        QVERIFY(!team->AddViewTab([](QWidget*) -> View* { return nullptr; }, "none", {}));
        QCOMPARE(team->count(), 1);
    }

    void printsPagesToAPdfWithTheirTextsInOrder() {
        QTemporaryDir dir;
        QString path = dir.filePath("pages.pdf");
        bool ok = PrintToPdf(path, 3, [](DeviceContext& dc, PrintInfo& info) {
            dc.SetMapMode(MapMode::Twips);
            dc.SelectFont({"Verdana", -400, 700, true, 4, 0});
            dc.TextOut(0, -10, QStringLiteral("Page %1 title").arg(info.currentPage));
            dc.SelectFont({"Courier New", -200, 400, false, 0x31, 0});
            TextMetrics m = dc.GetTextMetrics();
            dc.TextOut(0, -600, QStringLiteral("first line"));
            dc.TextOut(0, -600 - 20 - (m.height + m.externalLeading),
                       QStringLiteral("second line"));
        });
        QVERIFY(ok);
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

    void filtersConvertToQtsForm() {
        QCOMPARE(
            ConvertFilter("Game Logs (*.log)|*.log|Play DB (*.pdb)|*.pdb|All Files (*.*)|*.*||"),
            QStringLiteral("Game Logs (*.log);;Play DB (*.pdb);;All Files (*.*)"));
        QCOMPARE(ConvertFilter("Logs|*.log;*.txt||"), QStringLiteral("Logs (*.log *.txt)"));
        QCOMPARE(ConvertFilter(""), QString());
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
                CurrentDialogRunner().GetOpenFileNames(nullptr, "Add", "Logs|*.log||", true).size(),
                2);
            QCOMPARE(answering.seenFilter, QStringLiteral("Logs|*.log||"));
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

    void commandsReachTheFirstHandlerOnTheRoute() {
        CommandTarget view, document, frame, application;
        std::vector<QString> ran;
        document.OnCommand(command::kFileSave, [&] { ran.push_back("document"); });
        application.OnCommand(command::kFileSave, [&] { ran.push_back("application"); });
        application.OnCommand(command::kFileOpen, [&] { ran.push_back("open"); });
        bool canPrint = false;
        frame.OnCommand(
            command::kFilePrint, [&] { ran.push_back("print"); }, [&] { return canPrint; });

        std::vector<CommandTarget*> route{&view, &document, &frame, &application};
        CommandRouter router([&] { return route; });
        QVERIFY(router.Execute(command::kFileSave));
        QVERIFY(router.Execute(command::kFileOpen));
        QCOMPARE(ran, (std::vector<QString>{"document", "open"}));

        QAction save, print, close;
        router.Bind(&save, command::kFileSave);
        router.Bind(&print, command::kFilePrint);
        router.Bind(&close, command::kFileClose);
        router.UpdateActions();
        QVERIFY(save.isEnabled());
        QVERIFY(!print.isEnabled());  // its handler cannot run now
        QVERIFY(!close.isEnabled());  // nobody handles it
        QVERIFY(!router.Execute(command::kFilePrint));
        canPrint = true;
        router.UpdateActions();
        QVERIFY(print.isEnabled());
        print.trigger();
        QCOMPARE(ran.back(), QStringLiteral("print"));

        route = {&view, &application};  // another window became active
        save.trigger();
        QCOMPARE(ran.back(), QStringLiteral("application"));
    }

    void scrollViewsPaintThroughTheirDeviceContextAndScroll() {
        struct Report : ScrollView {
            void OnDraw(DeviceContext& dc) override {
                ++draws;
                dc.SelectFont(dc.PointFont(100, "Courier New"));
                dc.TextOut(0, 30, "Passing Stats");
            }
            int draws = 0;
        } view;
        view.resize(300, 200);
        view.SetScrollSizes(MapMode::Text, QSize(0, 1000), QSize(0, 100), QSize(0, 10));
        view.show();
        QImage shot = view.viewport()->grab().toImage();
        QVERIFY(view.draws > 0);
        bool inked = false;
        for (int y = 28; y < 50 && !inked; ++y)
            for (int x = 0; x < 100 && !inked; ++x) inked = shot.pixelColor(x, y).lightness() < 128;
        QVERIFY(inked);
        QCOMPARE(view.verticalScrollBar()->pageStep(), 100);
        QCOMPARE(view.verticalScrollBar()->singleStep(), 10);
        QCOMPARE(view.verticalScrollBar()->maximum(), 1000 - view.viewport()->height());
        QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
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
        QCOMPARE(
            main.OpenFilter(),
            QStringLiteral("Game Logs (*.log)|*.log|Play DB (*.pdb)|*.pdb|All Files (*.*)|*.*||"));

        main.router().Execute(command::kFileOpen);
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

        // The route runs through the active frame's document before the main frame.
        std::vector<CommandTarget*> route = main.Route();
        QCOMPARE(route.size(), std::size_t(3));
        QCOMPARE(route[0], dynamic_cast<CommandTarget*>(active->document()));

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
        main.router().UpdateActions();
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
    }

    void aPrintRunCallsTheHooksInOrderAndDialogsGoThroughTheRunner() {
        struct Printed : View {
            bool OnPreparePrinting(PrintInfo& info) override {
                calls << "prepare";
                info.minPage = 1;
                info.maxPage = 2;
                return true;
            }
            void OnPrint(DeviceContext& dc, PrintInfo& info) override {
                calls << QStringLiteral("page%1").arg(info.currentPage);
                dc.SelectFont(dc.PointFont(100, "Courier New"));
                dc.TextOut(0, 0, QStringLiteral("page %1").arg(info.currentPage));
            }
            QStringList calls;
        } view;
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
        QVERIFY(!PrintToPdf(
            "/no/such/folder/x.pdf", 1, [](DeviceContext&, PrintInfo&) {}, &error));
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
