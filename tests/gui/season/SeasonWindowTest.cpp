#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMdiArea>
#include <QProgressDialog>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "GuiTestSupport.h"
#include "core/playdb/Season.h"
#include "gui/app/MainFrm.h"
#include "gui/app/SeasonDoc.h"
#include "gui/app/SeasonFrame.h"
#include "gui/app/SeasonGamesView.h"
#include "gui/app/SeasonPlaysView.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/ParserMessages.h"
#include "gui/framework/Printing.h"
#include "gui/lists/PageModel.h"
#include "gui/lists/PageTableView.h"
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
        QWidget* page = frame.clubTabs->widget(i);
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
        QCOMPARE(frame->gamesView->RowCount(), 3);
        QCOMPARE(frame->clubChoice->count(), 6);
        QCOMPARE(frame->clubChoice->currentText(), QStringLiteral("Comets"));
        CompareWithTheCore(*frame, folder, "Comets", {});

        frame->clubChoice->setCurrentText(QStringLiteral("Hillcrest"));
        for (const auto& [criterion, combo] : frame->criterionChoices) {
            if (criterion == static_cast<int>(FilterCriterion::Down)) combo->setCurrentIndex(3);
        }
        PlayFilter third;
        third.downs = {3};
        CompareWithTheCore(*frame, folder, "Hillcrest", third);
        QVERIFY2(frame->windowTitle().contains(QStringLiteral("Hillcrest - down 3")),
                 qPrintable(frame->windowTitle()));
        QCOMPARE(frame->tabs->tabText(2), QStringLiteral("Hillcrest"));

        // The Plays page shows the plays the filter chooses, and finds words in them.
        Season season;
        season.Read({folder.toStdString()});
        int thirdDowns = 0;
        for (const SeasonGame& game : season.games()) {
            for (const Play& play : game.plays.plays) thirdDowns += play.down == 3;
        }
        QCOMPARE(frame->playsView->table->RowCount(), thirdDowns);
        frame->playsView->Search(QStringLiteral("intercepted by"));
        int intercepted = frame->playsView->table->RowCount();
        QVERIFY(intercepted > 0 && intercepted < thirdDowns);
        for (const auto& row : Rows(*frame->playsView->table)) {
            QVERIFY(QString::fromStdString(row[24]).contains(QStringLiteral("intercepted by")));
            QCOMPARE(row[6], std::string("3"));
        }

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
            QVERIFY(frame->Handle(command::kFilePrintPreview));
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
        QString comets = folder + QStringLiteral("/000-comets-vs-prairie-dogs.log");
        QString spare = dir.filePath(QStringLiteral("harbor.log"));
        QVERIFY(QFile::rename(harbor, spare));
        CYardbookApp app;
        QVERIFY(app.InitInstance());
        CMainFrame& main = *app.mainFrame();
        auto* frame = dynamic_cast<SeasonFrame*>(main.OpenDocumentFile(folder));
        QVERIFY(frame && frame->watch);
        QCOMPARE(frame->gamesView->RowCount(), 2);
        for (const auto& [criterion, combo] : frame->criterionChoices) {
            if (criterion == static_cast<int>(FilterCriterion::Down)) combo->setCurrentIndex(3);
        }
        PlayFilter third;
        third.downs = {3};
        frame->gamesView->SortByColumn(4);
        frame->tabs->ActivateTab(1);
        frame->playsView->table->verticalScrollBar()->setValue(5);
        auto statusSays = [&](const char* words) {
            return main.statusBar()->currentMessage().contains(QLatin1String(words));
        };

        QVERIFY(QFile::copy(spare, harbor));
        QTRY_COMPARE_WITH_TIMEOUT(frame->gamesView->RowCount(), 3, 5000);
        QVERIFY2(statusSays("Game joined the season: 000-harbor-city-vs-ironmen.log, Harbor City"),
                 qPrintable(main.statusBar()->currentMessage()));
        QCOMPARE(frame->clubChoice->currentText(), QStringLiteral("Comets"));
        QCOMPARE(frame->clubChoice->count(), 6);
        QCOMPARE(frame->opponentChoice->count(), 7);
        CompareWithTheCore(*frame, folder, "Comets", third);
        QCOMPARE(frame->gamesView->horizontalHeader()->sortIndicatorSection(), 4);
        QVERIFY(frame->gamesView->horizontalHeader()->isSortIndicatorShown());
        std::vector<std::vector<std::string>> games = Rows(*frame->gamesView);
        QVERIFY(std::is_sorted(games.begin(), games.end(), [](const auto& a, const auto& b) {
            return std::stoi(a[4]) > std::stoi(b[4]);
        }));
        QCOMPARE(frame->playsView->table->verticalScrollBar()->value(), 5);
        QCOMPARE(frame->tabs->GetActiveTab(), 1);

        QFile(dir.filePath(QStringLiteral("season/notes.txt"))).open(QIODevice::WriteOnly);
        QVERIFY(QFile::remove(comets));
        QTRY_COMPARE_WITH_TIMEOUT(frame->gamesView->RowCount(), 2, 5000);
        QVERIFY(statusSays("Game left the season: 000-comets-vs-prairie-dogs.log"));
        QCOMPARE(frame->clubChoice->currentText(), QStringLiteral("Comets"));  // stays chosen
        CompareWithTheCore(*frame, folder, "Comets", third);
        QTest::qWait(1500);  // the notes have settled and were passed over
        QCOMPARE(frame->gamesView->RowCount(), 2);
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
