#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLineEdit>
#include <QMdiArea>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QValueAxis>
#include <QtTest>

#include "GuiTestSupport.h"
#include "core/lists/PlayListContent.h"
#include "core/playdb/PlayDB.h"
#include "core/playdb/PlayDBFile.h"
#include "core/playdb/Season.h"
#include "gui/app/FolderWatch.h"
#include "gui/app/MainFrm.h"
#include "gui/app/SeasonDoc.h"
#include "gui/app/SeasonFrame.h"
#include "gui/app/SeasonGamesView.h"
#include "gui/app/SeasonPlaysView.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/ParserMessages.h"
#include "gui/framework/Printing.h"
#include "gui/lists/ChartedPage.h"
#include "gui/lists/PageModel.h"
#include "gui/lists/PageTableView.h"
#include "gui/lists/PlayCallList.h"
#include "gui/reports/ReportView.h"

using namespace gridtally;
using namespace gridtally::gui;
using namespace gridtally::gui::testing;
using gridtally::gui::testing::PreviewAnswer;

namespace {

// A folder holding copies of the bundled games, `copies` times each.
QString MakeSeasonFolder(const QTemporaryDir& dir, int copies = 1) {
    QStringList logs = {GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log",
                        GRIDTALLY_TEST_DATA_DIR "/comets-vs-prairie-dogs.log",
                        GRIDTALLY_TEST_DATA_DIR "/harbor-city-vs-ironmen.log"};
    QString folder = dir.filePath(QStringLiteral("season"));
    QDir().mkpath(folder);
    for (int copy = 0; copy < copies; ++copy) {
        for (const QString& log : logs) {
            QFile::copy(log, folder + QStringLiteral("/%1-%2")
                                          .arg(copy, 3, 10, QLatin1Char('0'))
                                          .arg(QFileInfo(log).fileName()));
        }
    }
    return folder;
}

// What the club's seven views show, page by page, as the core's pages hold it.
std::vector<PrintoutPage> Shown(SeasonFrame& frame) {
    std::vector<PrintoutPage> pages;
    for (int i = 0; i < frame.clubTabs->count(); ++i) {
        View* page = ViewOnPage(frame.clubTabs->widget(i));
        if (auto* report = dynamic_cast<ReportView*>(page)) {
            PrintoutPage shown;
            shown.report = report->Lines();
            pages.push_back(shown);
        } else if (auto* list = dynamic_cast<PageTableView*>(page)) {
            pages.push_back(list->pageModel().Page());
        }
    }
    return pages;
}

void CompareWithTheCore(SeasonFrame& frame, const QString& folder, const std::string& club,
                        const PlayFilter& filter) {
    Season season;
    season.Read({folder.toStdString()});
    std::vector<PrintoutPage> expected = season.Club(club, filter)->Pages();
    std::vector<PrintoutPage> shown = Shown(frame);
    QCOMPARE(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (expected[i].isReport) {
            QVERIFY2(shown[i].report == expected[i].report, qPrintable(QString::number(i)));
        } else {
            QVERIFY2(shown[i].rows == expected[i].rows, qPrintable(QString::number(i)));
            QVERIFY(shown[i].headers == expected[i].headers);
        }
    }
}

// Chooses a down in the bar (0 for "All"), as the user does.
void ChooseDown(SeasonFrame& frame, int down) {
    for (const auto& [criterion, combo] : frame.criterionChoices) {
        if (criterion == static_cast<int>(FilterCriterion::Down)) combo->setCurrentIndex(down);
    }
}
void ChooseThirdDown(SeasonFrame& frame) { ChooseDown(frame, 3); }

int Number(const std::string& cell) { return cell.empty() ? 0 : std::stoi(cell); }

// A chart shows its table's cells as the table shows them now, first row on top (the
// bar sets hold the rows from the last up): a tendency chart a stacked bar of runs and
// passes per down and distance, a play list's chart each call's yards per call.
void CompareChartWithTable(const ChartedPage& page) {
    const auto& cells = page.table()->pageModel().Cells();
    QCOMPARE(page.chart()->series().size(), 1);
    auto* series = qobject_cast<QAbstractBarSeries*>(page.chart()->series().front());
    QVERIFY(series);
    auto* axis = qobject_cast<QBarCategoryAxis*>(page.chart()->axes(Qt::Vertical).front());
    QStringList labels = axis->categories();
    std::reverse(labels.begin(), labels.end());
    QList<QBarSet*> sets = series->barSets();
    std::vector<std::vector<double>> expected(sets.size());
    std::vector<std::string> names;
    for (const auto& row : cells) {
        if (row[0] == " ") continue;  // a tendency list's separator
        names.push_back(row[0]);
        if (series->type() == QAbstractSeries::SeriesTypeHorizontalStackedBar) {
            expected[0].push_back(Number(row[1]));
            expected[1].push_back(Number(row[2]));
        } else {  // "Calls" is a count, or "completions/calls  (pct)"
            std::string calls = row[1].substr(row[1].find('/') + 1);
            expected[0].push_back(Number(calls) ? 1.0 * Number(row[2]) / Number(calls) : 0.0);
        }
    }
    QCOMPARE(labels.size(), static_cast<qsizetype>(names.size()));
    if (!names.empty()) {  // a bar hovered names its row in the chart's tooltip
        emit series->hovered(true, static_cast<int>(names.size() - 1), sets.front());
        QVERIFY(page.chart()->toolTip().startsWith(QString::fromStdString(names[0]) + ':'));
        emit series->hovered(false, static_cast<int>(names.size() - 1), sets.front());
        QVERIFY(page.chart()->toolTip().isEmpty());
    }
    // A label writes its figure as the table writes it: a run share as the lists' whole
    // percent (2 of 3 is 66, as Cmp/Att has it), yards per call as the run list's "Avg".
    auto* calls = dynamic_cast<const PlayCallModel*>(&page.table()->pageModel());
    std::vector<std::string> shown;
    for (const auto& row : cells) {
        if (row[0] == " ") continue;
        int first = Number(row[1].substr(0, row[1].find('/')));
        if (!calls) {
            int plays = first + Number(row[2]);
            shown.push_back(
                plays ? row[0] + " (" + std::to_string(Percent(first, plays)) + " % run)" : row[0]);
        } else if (calls->listKind() == PlayListKind::Run) {
            shown.push_back(row[0] + " (" + row[ColumnIndex(RunColumn::Average)] + ")");
        } else {
            std::string times = row[1].substr(row[1].find('/') + 1);
            double perCall = Number(times) ? 1.0 * Number(row[2]) / Number(times) : 0.0;
            shown.push_back(row[0] + " (" + AverageText(perCall) + ")");
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        QCOMPARE(labels[static_cast<int>(i)], QString::fromLatin1(shown[i].c_str()));
        for (int set = 0; set < sets.size(); ++set) {
            QCOMPARE(sets[set]->at(static_cast<int>(names.size() - 1 - i)), expected[set][i]);
        }
    }
}

}  // namespace

class SeasonWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetParserMessages(&NoDiagnostics());
    }

    // A folder opens as a season; the bar's club and situation choose what every page
    // sums, exactly as the core sums it; the title says so; Print prints the seven pages.
    void opensAFolderAndFollowsTheFilter() {
        QTemporaryDir dir;
        QString folder = MakeSeasonFolder(dir);
        CYardbookApp app;
        QVERIFY(app.InitInstance());
        CMainFrame& main = *app.mainFrame();
        auto* frame = dynamic_cast<SeasonFrame*>(main.OpenDocumentFile(folder));
        QVERIFY(frame);
        Season season;
        season.Read({folder.toStdString()});
        QCOMPARE(season.games().size(), 3u);
        QCOMPARE(frame->clubChoice->count(), 7);  // "All" and six clubs
        QCOMPARE(frame->clubChoice->currentText(), QStringLiteral("Comets"));
        CompareWithTheCore(*frame, folder, "Comets", {});

        frame->clubChoice->setCurrentText(QStringLiteral("Hillcrest"));
        ChooseThirdDown(*frame);
        PlayFilter third;
        third.downs = {3};
        CompareWithTheCore(*frame, folder, "Hillcrest", third);
        QVERIFY2(frame->windowTitle().contains(QStringLiteral("Hillcrest - down 3")),
                 qPrintable(frame->windowTitle()));
        QCOMPARE(frame->tabs->tabText(2), QStringLiteral("Hillcrest"));
        // Another filter refills the club's pages where they are: a sorted list stays
        // sorted, by the same column.
        auto* runs = dynamic_cast<PageTableView*>(ViewOnPage(frame->clubTabs->widget(3)));
        QVERIFY(runs);
        runs->SortByColumn(1);
        ChooseDown(*frame, 0);
        QCOMPARE(ViewOnPage(frame->clubTabs->widget(3)), static_cast<View*>(runs));
        QVERIFY(runs->horizontalHeader()->isSortIndicatorShown());
        QCOMPARE(runs->horizontalHeader()->sortIndicatorSection(), 1);
        ChooseThirdDown(*frame);

        // Every page follows the club and the filter, and the line above them says what
        // they count: the Games page the club's games holding a third down, the Plays
        // page the club's third downs.
        // "All" (no club) lists every game and play, and has no club's pages to print.
        for (const auto& [club, filter] :
             {std::pair{std::string("Comets"), PlayFilter{}}, std::pair{std::string(), third},
              std::pair{std::string("Hillcrest"), third}}) {
            if (club.empty()) {
                frame->clubChoice->setCurrentIndex(0);
            } else {
                frame->clubChoice->setCurrentText(QString::fromStdString(club));
            }
            ChooseDown(*frame, filter.Empty() ? 0 : 3);
            QCOMPARE(frame->tabs->count(), club.empty() ? 2 : 3);
            QCOMPARE(frame->TakeCommand(command::kFilePrint, false), !club.empty());
            for (QAction* action : main.toolBar()->actions()) {
                if (action->text() == "Print") QCOMPARE(action->isEnabled(), !club.empty());
            }
            QCOMPARE(frame->gamesView->RowCount(),
                     static_cast<int>(season.GamesPage(filter, club).rows.size()));
            QCOMPARE(frame->counted->text().toStdString(), season.CountText(filter, club));
            QCOMPARE(frame->playsView->table->RowCount(),
                     static_cast<int>(season.Counted(filter, club).plays));
            // Every chart's title carries the filter, so an exported chart keeps it.
            const auto charts = frame->findChildren<ChartedPage*>();
            QCOMPARE(charts.size(), club.empty() ? 0 : 3);
            for (ChartedPage* page : charts) {
                QCOMPARE(page->chart()->title().endsWith(QStringLiteral(" - down 3")),
                         !filter.Empty());
            }
        }
        QVERIFY(frame->counted->text().startsWith(QStringLiteral("Hillcrest - down 3 - ")));
        int thirdDowns = 0;
        for (const SeasonGame& game : season.games()) {
            for (const Play& play : game.plays->plays) {
                thirdDowns += play.down == 3 && Season::PlayOfClub(play, "Hillcrest");
            }
        }
        QCOMPARE(frame->playsView->table->RowCount(), thirdDowns);
        QVERIFY(thirdDowns < static_cast<int>(season.Counted(third, "").plays));
        frame->playsView->Search(QStringLiteral("intercepted by"));
        int intercepted = frame->playsView->table->RowCount();
        QVERIFY(intercepted > 0 && intercepted < thirdDowns);
        for (const auto& row : Rows(*frame->playsView->table)) {
            QVERIFY(QString::fromStdString(row[24]).contains(QStringLiteral("intercepted by")));
            QCOMPARE(row[6], std::string("3"));
            QVERIFY2(QRegularExpression(QStringLiteral("^([0-9]+:[0-5][0-9])?$"))
                         .match(QString::fromStdString(row[3]))
                         .hasMatch(),
                     row[3].c_str());
        }
        // For people: headers in words, one line a play, its text in a tooltip and in the
        // pane below when it is selected.
        QAbstractItemModel& playsModel = *frame->playsView->table->model();
        for (auto [column, words] : {std::pair{3, "Clock"}, std::pair{7, "To go"},
                                     std::pair{8, "Yard line"}, std::pair{9, "Offense score"}}) {
            QCOMPARE(playsModel.headerData(column, Qt::Horizontal).toString(),
                     QString::fromLatin1(words));
        }
        QModelIndex first = playsModel.index(0, 2);
        QString played = playsModel.data(playsModel.index(0, 24)).toString();
        QCOMPARE(playsModel.data(first, Qt::ToolTipRole).toString(), played);
        frame->playsView->table->setCurrentIndex(first);
        QCOMPARE(frame->playsView->playText->toPlainText(), played);
        QVERIFY(!frame->playsView->table->wordWrap());

        QString pdf = dir.filePath(QStringLiteral("season.pdf"));
        QString error;
        QVERIFY2(PrintViewToPdf(*frame->gamesView, pdf, &error), qPrintable(error));
        QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("7"));
        QString text = PdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Hillcrest - Tendencies")));
        QCOMPARE(text.count(QStringLiteral("season - Hillcrest - down 3")), 7);

        // Print Preview shows the seven pages, as the menu's command opens it.
        PreviewAnswer preview;
        {
            ScopedDialogRunner scope(preview);
            QVERIFY(frame->TakeCommand(command::kFilePrintPreview, true));
        }
        QCOMPARE(preview.pages, 7);

        // A double-click on a game opens it in a game window of its own.
        int windows = static_cast<int>(main.mdiArea()->subWindowList().size());
        emit frame->gamesView->doubleClicked(frame->gamesView->model()->index(0, 0));
        QCOMPARE(static_cast<int>(main.mdiArea()->subWindowList().size()), windows + 1);

        // The season stands in the recent list beside the game.
        QVERIFY(main.recentFiles().files().contains(QFileInfo(folder).absoluteFilePath()));
    }

    // The window follows its folder: a log written joins once it stands still, one removed
    // leaves, a file that is no log is passed over; the club, the filter, a list's order
    // and the place scrolled to stay, and the status bar says which game came or went.
    void followsItsFolder() {
        QTemporaryDir dir;
        QString folder = MakeSeasonFolder(dir);
        QString harbor = folder + QStringLiteral("/000-harbor-city-vs-ironmen.log");
        QString joined = folder + QStringLiteral("/000-a-harbor.log");  // first by name
        QString comets = folder + QStringLiteral("/000-comets-vs-prairie-dogs.log");
        QString spare = dir.filePath(QStringLiteral("harbor.log"));
        QVERIFY(QFile::rename(harbor, spare));
        CYardbookApp app;
        QVERIFY(app.InitInstance());
        CMainFrame& main = *app.mainFrame();
        auto* frame = dynamic_cast<SeasonFrame*>(main.OpenDocumentFile(folder));
        QVERIFY(frame && frame->watch);
        // The games of the season, whichever club the Games page shows.
        auto gamesRead = [&] {
            auto* season = dynamic_cast<const SeasonDoc*>(frame->gamesView->document());
            return static_cast<int>(season->season().games().size());
        };
        QCOMPARE(gamesRead(), 2);
        ChooseThirdDown(*frame);
        PlayFilter third;
        third.downs = {3};
        frame->gamesView->SortByColumn(4);
        frame->tabs->setCurrentIndex(1);
        PageTableView& plays = *frame->playsView->table;
        plays.verticalScrollBar()->setValue(5);
        // The play at the top, but for its expected points: a game joining the season
        // fits the model anew.
        auto topRow = [&] {
            std::vector<std::string> row =
                Rows(plays)[static_cast<std::size_t>(plays.indexAt({}).row())];
            return std::vector<std::string>(row.begin(), row.end() - 2);
        };
        std::vector<std::string> top = topRow();
        auto statusSays = [&](const char* words) {
            return main.statusBar()->currentMessage().contains(QLatin1String(words));
        };

        QVERIFY(QFile::copy(spare, joined));
        QTRY_COMPARE_WITH_TIMEOUT(gamesRead(), 3, 5000);
        QVERIFY2(statusSays("Game joined the season: 000-a-harbor.log, Harbor City"),
                 qPrintable(main.statusBar()->currentMessage()));
        QCOMPARE(frame->clubChoice->currentText(), QStringLiteral("Comets"));
        QCOMPARE(frame->clubChoice->count(), 7);  // "All" and six clubs
        QCOMPARE(frame->opponentChoice->count(), 7);
        CompareWithTheCore(*frame, folder, "Comets", third);
        QCOMPARE(frame->gamesView->horizontalHeader()->sortIndicatorSection(), 4);
        QVERIFY(frame->gamesView->horizontalHeader()->isSortIndicatorShown());
        std::vector<std::vector<std::string>> games = Rows(*frame->gamesView);
        QVERIFY(std::is_sorted(games.begin(), games.end(), [](const auto& a, const auto& b) {
            return std::stoi(a[4]) > std::stoi(b[4]);
        }));
        // The game that joined is not the club's: the Plays page keeps its rows.
        QCOMPARE(topRow(), top);
        QCOMPARE(frame->tabs->currentIndex(), 1);

        QFile(dir.filePath(QStringLiteral("season/notes.txt"))).open(QIODevice::WriteOnly);
        QVERIFY(QFile::remove(comets));
        QTRY_COMPARE_WITH_TIMEOUT(gamesRead(), 2, 5000);
        QVERIFY(statusSays("Game left the season: 000-comets-vs-prairie-dogs.log"));
        QCOMPARE(frame->clubChoice->currentText(), QStringLiteral("Comets"));  // stays chosen
        CompareWithTheCore(*frame, folder, "Comets", third);
        QTest::qWait(1500);  // the notes have settled and were passed over
        QCOMPARE(gamesRead(), 2);

        // A folder moved away is not a folder emptied; back, it is followed again.
        QString moved = dir.filePath(QStringLiteral("moved"));
        QVERIFY(QDir().rename(folder, moved));
        QTest::qWait(500);
        QCOMPARE(gamesRead(), 2);
        QVERIFY(QDir().rename(moved, folder));
        QVERIFY(QFile::copy(spare, comets));
        QTRY_COMPARE_WITH_TIMEOUT(gamesRead(), 3, 5000);

        // A log rewritten in place is read again.
        QFile rewritten(joined);
        QVERIFY(rewritten.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QFile riverside(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log");
        QVERIFY(riverside.open(QIODevice::ReadOnly));
        rewritten.write(riverside.readAll());
        rewritten.close();
        QTRY_VERIFY_WITH_TIMEOUT(statusSays("Game read again: 000-a-harbor.log"), 5000);
        QCOMPARE(gamesRead(), 3);
    }

    // A file written while the folder was read may have been read half-written: the
    // watch takes every file changed since the reading began as not yet read.
    void aFileWrittenDuringTheReadingIsReadAgain() {
        QTemporaryDir dir;
        QString folder = MakeSeasonFolder(dir);
        // A game kept under another name is no log of the season's, and never told of.
        QVERIFY(QFile::copy(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log",
                            folder + QStringLiteral("/riverside.txt")));
        using namespace std::chrono_literals;
        // Read a minute ago, the logs were written during it; read later, before it.
        FolderWatch during(folder, QDateTime::currentDateTime().addSecs(-60), 100ms);
        FolderWatch before(folder, QDateTime::currentDateTime().addSecs(60), 100ms);
        QSignalSpy quiet(&before, &FolderWatch::changed);
        QSignalSpy told(&during, &FolderWatch::changed);
        QTRY_COMPARE_WITH_TIMEOUT(told.count(), 1, 3000);
        QCOMPARE(told.front().front().toStringList().size(), 3);
        QCOMPARE(quiet.count(), 0);
    }

    // The Games page and the Plays page show a log's name as the text it is, whatever
    // characters it holds.
    void showsFileNamesAsTheirText() {
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("season"));
        QVERIFY(QDir().mkpath(folder));
        const QStringList names{QStringLiteral("week-\u00e9.log"), QStringLiteral("\u9031.log")};
        for (const QString& name : names) {
            QVERIFY(QFile::copy(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log",
                                folder + QLatin1Char('/') + name));
        }
        CYardbookApp app;
        QVERIFY(app.InitInstance());
        auto* frame = dynamic_cast<SeasonFrame*>(app.mainFrame()->OpenDocumentFile(folder));
        QVERIFY(frame);
        QCOMPARE(frame->gamesView->RowCount(), 2);
        PageTableView& plays = *frame->playsView->table;
        for (int row = 0; row < 2; ++row) {
            QAbstractItemModel& games = *frame->gamesView->model();
            QCOMPARE(games.data(games.index(row, 0)).toString(), names[row]);
            QCOMPARE(plays.model()->data(plays.model()->index(162 * row, 0)).toString(),
                     names[row]);
        }
        QVERIFY(frame->gamesView->CopiedText().contains(names[1] + QLatin1Char('\t')));
    }

    // Every chart shows its table: in a game window, in a Play DB window and in a season
    // window, after a sort and a filter too; charts follow the palette and export.
    void chartsShowTheirTables() {
        QTemporaryDir dir;
        QString folder = MakeSeasonFolder(dir);
        CYardbookApp app;
        QVERIFY(app.InitInstance());
        CMainFrame& main = *app.mainFrame();
        QString log = GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log";
        QVERIFY(main.OpenDocumentFile(log));
        PlayDB db;
        db.diagnostics = &NoDiagnostics();
        std::vector<std::string> logs;
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            logs.push_back(QDir(folder).filePath(name).toStdString());
        }
        std::set<std::string> names;
        db.AddLogFiles(logs, names);
        QString pdb = dir.filePath(QStringLiteral("season.pdb"));
        std::string why;
        QVERIFY(SavePlayDBFile(db, pdb.toStdString(), &why));
        QVERIFY(main.OpenDocumentFile(pdb));
        auto* season = dynamic_cast<SeasonFrame*>(main.OpenDocumentFile(folder));
        QVERIFY(season);

        auto pages = [&] { return main.findChildren<ChartedPage*>(); };
        QCOMPARE(pages().size(), 2 + 1 + 3);  // game: 2 clubs; DB: 1; season: run, pass, tendencies
        for (ChartedPage* page : pages()) CompareChartWithTable(*page);
        auto* runs = dynamic_cast<PlayCallList*>(ViewOnPage(season->clubTabs->widget(3)));
        QVERIFY(runs);
        runs->SortByColumn(2);
        ChooseThirdDown(*season);
        QCOMPARE(pages().size(), 2 + 1 + 3);
        for (ChartedPage* page : pages()) CompareChartWithTable(*page);
        runs = dynamic_cast<PlayCallList*>(ViewOnPage(season->clubTabs->widget(3)));
        runs->SortByColumn(2);
        CompareChartWithTable(*qobject_cast<ChartedPage*>(season->clubTabs->widget(3)));

        QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Text, Qt::white);
        for (const auto& [palette, theme] :
             {std::pair{dark, QChart::ChartThemeDark}, std::pair{light, QChart::ChartThemeLight}}) {
            QApplication::setPalette(palette);
            QApplication::processEvents();
            for (ChartedPage* page : pages()) {
                QCOMPARE(page->chart()->theme(), theme);
                QCOMPARE(page->chart()->backgroundBrush().color(), palette.color(QPalette::Base));
            }
        }

        // The Edit menu's commands reach the list of the page shown, whether the focus is
        // on the bar, on a chart or in the Plays page's search.
        season->tabs->setCurrentIndex(2);
        season->clubTabs->setCurrentIndex(6);
        auto* tendencies = qobject_cast<ChartedPage*>(season->clubTabs->widget(6));
        season->clubChoice->setFocus();
        QCOMPARE(season->GetActiveView(), static_cast<View*>(tendencies->table()));
        tendencies->chartView()->setFocus();
        QCOMPARE(season->GetActiveView(), static_cast<View*>(tendencies->table()));
        season->tabs->setCurrentIndex(1);
        season->playsView->findChild<QLineEdit*>()->setFocus();
        QCOMPARE(season->GetActiveView(), static_cast<View*>(season->playsView->table));
        season->tabs->setCurrentIndex(2);

        // Export Chart... writes the picture chosen, also of a chart never shown.
        ChartedPage& chart = *qobject_cast<ChartedPage*>(season->clubTabs->widget(3));
        QVERIFY(!chart.chartView()->isVisible());
        QVERIFY(chart.table()->TakeCommand(command::kEditExportChart, false));
        for (const char* name : {"chart.png", "chart.svg"}) {
            struct SaveAs : DialogRunner {
                QString path;
                QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                                        const QString&) override {
                    return path;
                }
            } answer;
            answer.path = dir.filePath(QLatin1String(name));
            ScopedDialogRunner scope(answer);
            QVERIFY(chart.table()->TakeCommand(command::kEditExportChart, true));
            QFile file(answer.path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QByteArray bytes = file.readAll();
            if (answer.path.endsWith(QStringLiteral(".svg"))) {
                QVERIFY2(bytes.contains("<svg") && bytes.contains(chart.chart()->title().toUtf8()),
                         bytes.left(3000).constData());
            } else {
                QImage picture = QImage::fromData(bytes, "PNG");
                qsizetype drawn = 0;  // pixels of something else than the background
                for (int y = 0; y < picture.height(); ++y) {
                    for (int x = 0; x < picture.width(); ++x) {
                        drawn += picture.pixel(x, y) != picture.pixel(2, 2);
                    }
                }
                QVERIFY2(drawn > picture.width() * picture.height() / 20,
                         qPrintable(QString::number(drawn)));
            }
        }
        QString error;
        QVERIFY(!chart.WriteChart(dir.filePath(QStringLiteral("no/such/chart.png")), &error));
        QVERIFY(error.contains(QStringLiteral("chart.png")));
    }

    // Every header of the season's lists says what it counts: the games, the plays, the
    // club's lists.
    void everyHeaderTellsWhatItCounts() {
        QTemporaryDir dir;
        CYardbookApp app;
        QVERIFY(app.InitInstance());
        auto* frame =
            dynamic_cast<SeasonFrame*>(app.mainFrame()->OpenDocumentFile(MakeSeasonFolder(dir)));
        QVERIFY(frame);
        std::vector<QTableView*> tables{frame->gamesView, frame->playsView->table};
        for (int tab = 0; tab < frame->clubTabs->count(); ++tab) {
            if (auto* list = dynamic_cast<PageTableView*>(ViewOnPage(frame->clubTabs->widget(tab))))
                tables.push_back(list);
        }
        QCOMPARE(tables.size(), std::size_t(2 + 5));
        for (QTableView* table : tables) {
            QAbstractItemModel* model = table->horizontalHeader()->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                QString header = model->headerData(column, Qt::Horizontal).toString();
                QString tip = model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
                QVERIFY2(
                    tip.startsWith(header + QStringLiteral(": ")) && tip.size() > header.size() + 2,
                    qPrintable(header));
            }
        }
    }

    // A charted page opens with its table as wide as its columns and the chart the rest,
    // never less than 40 % of the page, at any size of window; the value axis's numbers
    // never run together and are whole where the step is; a picture of a squeezed chart
    // is laid out at a readable size, not scaled from the squeezed one.
    void chartsAreLaidOutToBeRead() {
        QTemporaryDir dir;
        QString folder = MakeSeasonFolder(dir);
        CYardbookApp app;
        QVERIFY(app.InitInstance());
        CMainFrame& main = *app.mainFrame();
        main.resize(1700, 1150);
        main.show();
        auto* season = dynamic_cast<SeasonFrame*>(main.OpenDocumentFile(folder));
        QVERIFY(season);
        int down = 0;
        for (QSize size : {QSize(1500, 1000), QSize(1000, 700), QSize(760, 560)}) {
            season->resize(size);
            // The pages are made anew for the filter, and open at this size.
            for (const auto& [criterion, combo] : season->criterionChoices) {
                if (criterion == static_cast<int>(FilterCriterion::Down))
                    combo->setCurrentIndex(down++);
            }
            for (int tab : {3, 4, 6}) {
                season->clubTabs->setCurrentIndex(tab);
                QApplication::processEvents();
                auto* page = qobject_cast<ChartedPage*>(season->clubTabs->widget(tab));
                QVERIFY(page && page->isVisible());
                QList<int> sizes = page->sizes();
                int room = sizes[0] + sizes[1];
                int columns = page->table()->horizontalHeader()->length();
                QString where = QStringLiteral("%1 wide, tab %2: %3 + %4, columns %5")
                                    .arg(size.width())
                                    .arg(tab)
                                    .arg(sizes[0])
                                    .arg(sizes[1])
                                    .arg(columns);
                QVERIFY2(sizes[1] * 100 >= room * 40 - 100, qPrintable(where));
                // As wide as its columns, or as wide as the chart's share leaves it.
                QVERIFY2(sizes[0] >= columns || sizes[1] * 100 <= room * 40 + 100,
                         qPrintable(where));
                QVERIFY2(sizes[0] <= columns + 60, qPrintable(where));

                auto* axis = qobject_cast<QValueAxis*>(page->chart()->axes(Qt::Horizontal)[0]);
                QVERIFY(axis && axis->tickType() == QValueAxis::TicksDynamic);
                double step = axis->tickInterval();
                bool whole = axis->labelFormat() == QLatin1String("%d");
                QCOMPARE(whole, step >= 1);
                if (whole) QCOMPARE(step, std::round(step));
                if (tab == 6) QVERIFY(whole);  // counts of plays
                QFontMetrics metrics(axis->labelsFont());
                int widest = 0;
                for (double at = axis->min(); at <= axis->max() + step / 2; at += step) {
                    QString label =
                        whole ? QString::number(std::lround(at)) : QString::number(at, 'f', 1);
                    widest = std::max(widest, metrics.horizontalAdvance(label));
                }
                double intervals = (axis->max() - axis->min()) / step;
                QVERIFY2((intervals + 1) * (widest + metrics.averageCharWidth()) <=
                             page->chart()->plotArea().width() + widest,
                         qPrintable(where + QStringLiteral(": %1 ticks").arg(intervals)));
            }
        }

        // The pass plays' chart, squeezed beside its table, exported.
        ChartedPage& pass = *qobject_cast<ChartedPage*>(season->clubTabs->widget(4));
        season->clubTabs->setCurrentIndex(4);
        QApplication::processEvents();
        QSizeF onScreen = pass.chart()->size();
        QVERIFY(onScreen.width() < 1200);
        QString png = dir.filePath(QStringLiteral("pass.png"));
        QString svg = dir.filePath(QStringLiteral("pass.svg"));
        QString error;
        QVERIFY(pass.WriteChart(png, &error));
        QVERIFY(pass.WriteChart(svg, &error));
        QCOMPARE(pass.chart()->size(), onScreen);
        QImage picture(png);
        QCOMPARE(picture.size(), QSize(1200, 800));
        int rightmost = 0;  // of what is drawn: laid out over the width, not scaled into it
        for (int x = 0; x < picture.width(); ++x) {
            for (int y = 0; y < picture.height(); ++y) {
                if (picture.pixel(x, y) != picture.pixel(2, 2)) rightmost = x;
            }
        }
        QVERIFY2(rightmost > picture.width() * 9 / 10, qPrintable(QString::number(rightmost)));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("viewBox=\"0 0 1200 800\""));
    }

    // Files handed over are read on the worker: Follow returns before anything is read,
    // and what is no regular file (a FIFO no one writes, a link to /dev/zero, a folder
    // with a log's name) is passed over without a wait, while a log beside them joins.
    void followsOnItsWorkerPassingOverWhatIsNoFile() {
        QTemporaryDir dir;
        QString folder = MakeSeasonFolder(dir);
        SeasonDoc season;
        QVERIFY(season.OnOpenDocument(folder, nullptr));
        QStringList handed;
        for (const char* name : {"/fifo.log", "/zero.log", "/folder.log", "/zz-game.log"})
            handed.append(folder + QLatin1String(name));
        QCOMPARE(mkfifo(QFile::encodeName(handed[0]).constData(), 0600), 0);
        QCOMPARE(symlink("/dev/zero", QFile::encodeName(handed[1]).constData()), 0);
        QVERIFY(QDir().mkpath(handed[2]));
        QVERIFY(QFile::copy(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log", handed[3]));
        SeasonDoc::Changes told;
        SeasonDoc::PassedOver passed;
        season.followed = [&](const SeasonDoc::Changes& changes,
                              const SeasonDoc::PassedOver& unread) {
            told = changes;
            passed = unread;
        };
        season.Follow(handed, {});
        QVERIFY(season.following());
        QCOMPARE(season.season().games().size(), 3u);
        QTRY_VERIFY_WITH_TIMEOUT(!season.following(), 10000);
        QCOMPARE(season.season().games().size(), 4u);
        QCOMPARE(told.size(), 1u);
        QCOMPARE(told.front().first, handed[3]);
        // Each passed over with its reason, none dropped.
        QCOMPARE(passed.size(), 3u);
        for (const auto& [path, why] : passed) QVERIFY2(!why.isEmpty(), qPrintable(path));
        season.Follow({}, {handed[3]});
        QTRY_COMPARE_WITH_TIMEOUT(season.season().games().size(), 3u, 10000);
    }

    // Stop ends the reading between two logs; what was read stays.
    void stopsAReadingHalfWay() {
        QTemporaryDir dir;
        QString folder = MakeSeasonFolder(dir, 60);
        SeasonDoc season;
        QTimer::singleShot(0, [] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* progress = qobject_cast<QProgressDialog*>(widget)) progress->cancel();
            }
        });
        QString error;
        season.ReadLogs({folder.toStdString()}, &error);
        QVERIFY(season.stopped());
        QVERIFY(season.season().games().size() < 180u);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SeasonWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SeasonWindowTest.moc"
