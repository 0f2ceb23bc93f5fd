#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <set>
#include <tuple>

#include "GuiTestSupport.h"
#include "core/reports/GamePrintout.h"
#include "core/reports/PlayerReports.h"
#include "gui/app/FindDialog.h"
#include "gui/app/LogView.h"
#include "gui/app/TabFrame.h"
#include "gui/app/YardbookApp.h"
#include "gui/app/YardbookDoc.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/DocTemplate.h"
#include "gui/framework/Printing.h"
#include "gui/lists/DefPlayList.h"
#include "gui/lists/PageTableView.h"
#include "gui/lists/PassPlayList.h"
#include "gui/lists/PlayCallList.h"
#include "gui/lists/RunPlayList.h"
#include "gui/lists/TendLstView.h"
#include "gui/playdb/PlayAdjustDlg.h"
#include "gui/reports/DPlayerList.h"
#include "gui/reports/OPlyrStatsView.h"
#include "gui/reports/ReportView.h"
#include "gui/reports/SpecialTeamsView.h"

using namespace gridtally;
using namespace gridtally::gui;
using gridtally::gui::testing::CellText;
using gridtally::gui::testing::Headers;
using gridtally::gui::testing::PdfInfo;
using gridtally::gui::testing::PdfText;
using gridtally::gui::testing::PreviewAnswer;
using gridtally::gui::testing::Rows;

namespace {

const QString kSample = QStringLiteral(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log");

// Answers a save dialog with a path.
struct SaveAs : DialogRunner {
    QString path;
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            const QString&) override {
        return path;
    }
};

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the play adjustment dialog as a user would, by clicking its controls.
struct AdjustAnswer : DialogRunner {
    std::function<void(PlayAdjustDlg&)> click;
    int result = QDialog::Accepted;
    int shown = 0;
    int Exec(QDialog& dialog) override {
        ++shown;
        if (auto* adjust = qobject_cast<PlayAdjustDlg*>(&dialog); adjust && click) click(*adjust);
        return result;
    }
};

// One open game window, as the program makes it.
struct Game {
    explicit Game(const QString& path = kSample) : logTemplate(MakeLogDocTemplate()) {
        QString error;
        frame = logTemplate->OpenDocumentFile(path, &error);
        window = dynamic_cast<CTabFrame*>(frame.get());
        if (window) {
            window->resize(900, 700);
            window->show();  // rows have places on screen only in a shown window
        }
    }
    CYardbookDoc& doc() const { return *dynamic_cast<CYardbookDoc*>(window->document()); }
    // The views of a club (0 or 1) in tab order.
    template <typename ViewClass>
    ViewClass* ClubView(int club, int tab) const {
        TabWindow* tabs = club == 0 ? window->team1Tabs : window->team2Tabs;
        return dynamic_cast<ViewClass*>(ViewOnPage(tabs->widget(tab)));
    }
    std::unique_ptr<DocTemplate> logTemplate;
    std::unique_ptr<ChildFrame> frame;
    CTabFrame* window = nullptr;
};

QPoint RowPoint(const QTableView& list, int row) {
    return list.visualRect(list.model()->index(row, 0)).center();  // on the play's name
}

int RowOf(const QTableView& list, const QString& play) {
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        if (CellText(list, row, 0) == play) return row;
    }
    return -1;
}

}  // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theWindowHoldsTheFifteenViewsInOrderUnderTheClubsTabs() {
        Game game;
        QVERIFY(game.window && game.window->logView);
        const std::vector<View*>& views = game.doc().views();
        QCOMPARE(views.size(), std::size_t(15));
        QVERIFY(dynamic_cast<CLogView*>(views[0]));
        for (int club = 0; club < 2; ++club) {
            std::size_t first = 1 + 7 * static_cast<std::size_t>(club);
            QVERIFY(dynamic_cast<OPlyrStatsView*>(views[first]));
            QVERIFY(dynamic_cast<DPlayerList*>(views[first + 1]));
            QVERIFY(dynamic_cast<SpecialTeamsView*>(views[first + 2]));
            QVERIFY(dynamic_cast<RunPlayList*>(views[first + 3]));
            QVERIFY(dynamic_cast<PassPlayList*>(views[first + 4]));
            QVERIFY(dynamic_cast<DefPlayList*>(views[first + 5]));
            QVERIFY(dynamic_cast<TendLstView*>(views[first + 6]));
        }
        QCOMPARE(game.window->gameTabs->tabText(0), QStringLiteral("Log File Source"));
        QCOMPARE(game.window->gameTabs->tabText(1), QStringLiteral("Riverside Otters"));
        QCOMPARE(game.window->gameTabs->tabText(2), QStringLiteral("Hillcrest"));
        QCOMPARE(game.window->gameTabs->currentIndex(), 0);
    }

    void everyClubPageShowsWhatTheCorePrints() {
        Game game;
        for (int club = 0; club < 2; ++club) {
            std::vector<PrintoutPage> pages =
                BuildTeamPrintout(game.doc(), game.doc().ClubLabel(club));
            QCOMPARE(pages.size(), std::size_t(7));
            QVERIFY(game.ClubView<OPlyrStatsView>(club, 0)->Lines() == pages[0].report);
            QVERIFY(game.ClubView<SpecialTeamsView>(club, 2)->Lines() == pages[2].report);
            for (int tab : {1, 3, 4, 5, 6}) {
                auto* list = game.ClubView<PageTableView>(club, tab);
                QVERIFY2(Headers(*list) == pages[tab].headers, qPrintable(QString::number(tab)));
                QVERIFY2(Rows(*list) == pages[tab].rows, qPrintable(QString::number(tab)));
            }
        }
    }

    void aHeaderClickSortsAsTheCoreOrdersAndASecondClickKeepsIt() {
        Game game;
        for (int tab : {3, 4, 5}) {
            auto* list = game.ClubView<PlayCallList>(0, tab);
            for (int column = 0; column < list->model()->columnCount(); ++column) {
                std::vector<const PlayRec*> expected;
                for (int row = 0; row < list->RowCount(); ++row) {
                    expected.push_back(list->RecordOfRow(row));
                }
                SortPlayListRows(list->listKind(), column, expected);
                emit list->horizontalHeader()->sectionClicked(column);
                std::vector<std::vector<std::string>> once = Rows(*list);
                for (int row = 0; row < list->RowCount(); ++row) {
                    QCOMPARE(list->RecordOfRow(row), expected[static_cast<std::size_t>(row)]);
                }
                emit list->horizontalHeader()->sectionClicked(column);
                QVERIFY(Rows(*list) == once);
            }
        }
        auto* defenders = game.ClubView<DPlayerList>(0, 1);
        emit defenders->horizontalHeader()->sectionClicked(6);  // "Int Yds": the largest first
        QCOMPARE(CellText(*defenders, 0, 0), QStringLiteral("Finn Marlow"));
        auto* tendencies = game.ClubView<TendLstView>(0, 6);
        std::vector<std::vector<std::string>> before = Rows(*tendencies);
        emit tendencies->horizontalHeader()->sectionClicked(1);
        QVERIFY(Rows(*tendencies) == before);  // the play calling never sorts
    }

    // What a sorted list shows is what it copies and exports, in the order shown; every
    // cell fits its column; Copy and Export reach the page shown, not a hidden view.
    void aSortedListCopiesAndExportsAsShownAndFitsItsCells() {
        Game game;
        auto* passes = game.ClubView<PassPlayList>(0, 4);
        passes->SortByColumn(2);  // Yards: the most first
        QVERIFY(passes->horizontalHeader()->isSortIndicatorShown());
        QCOMPARE(passes->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        passes->SortByColumn(0);
        QCOMPARE(passes->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        passes->SortByColumn(2);
        std::vector<std::vector<std::string>> shown = Rows(*passes);
        // The current and selected rows stay on their calls through a sort.
        passes->setCurrentIndex(passes->model()->index(1, 0));
        passes->SortByColumn(0);
        QCOMPARE(Rows(*passes)[static_cast<std::size_t>(passes->currentIndex().row())], shown[1]);
        QCOMPARE(passes->selectionModel()->selectedRows().size(), 1);
        passes->SortByColumn(2);
        QCOMPARE(passes->currentIndex().row(), 1);
        passes->clearSelection();

        auto tabbed = [](const std::vector<std::string>& cells) {
            QStringList fields;
            for (const std::string& cell : cells) fields << QString::fromLatin1(cell);
            return fields.join('\t');
        };
        QStringList copied = passes->CopiedText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), static_cast<qsizetype>(shown.size() + 1));
        QCOMPARE(copied[0], tabbed(Headers(*passes)));
        for (std::size_t row = 0; row < shown.size(); ++row) {
            QCOMPARE(copied[static_cast<qsizetype>(row + 1)], tabbed(shown[row]));
        }
        passes->selectRow(1);
        passes->selectionModel()->select(passes->model()->index(3, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(passes->CopiedText().split('\n', Qt::SkipEmptyParts),
                 QStringList({copied[0], copied[2], copied[4]}));

        // The page on the shown tab gets the commands, whatever had the focus before.
        game.window->logView->selectAll();
        game.window->gameTabs->setCurrentIndex(1);
        game.window->team1Tabs->setCurrentIndex(4);
        QCOMPARE(game.window->GetActiveView(), static_cast<View*>(passes));
        QVERIFY(passes->TakeCommand(command::kEditCopy, true));
        QCOMPARE(QApplication::clipboard()->text(), passes->CopiedText());

        QTemporaryDir dir;
        SaveAs answer;
        ScopedDialogRunner scope(answer);
        answer.path = dir.filePath("passes.csv");
        QVERIFY(passes->TakeCommand(command::kEditExportCsv, true));
        QStringList csv = QString::fromUtf8(Bytes(answer.path)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(csv[0], QStringLiteral("Play,Cmp,Att,Pct,Yards,Avg,Fumbles,Int,Sacks,TD,Pts"));
        QCOMPARE(csv.size(), static_cast<qsizetype>(shown.size() + 1));
        for (std::size_t row = 0; row < shown.size(); ++row) {
            QStringList fields = csv[static_cast<qsizetype>(row + 1)].split(',');
            QCOMPARE(fields[0], QString::fromLatin1(shown[row][0]));
            QCOMPARE(fields[4], QString::fromLatin1(shown[row][2]));  // Yards, as a number
        }
        answer.path = dir.filePath("offense.csv");
        QVERIFY(game.ClubView<OPlyrStatsView>(0, 0)->TakeCommand(command::kEditExportCsv, true));
        QVERIFY(QString::fromUtf8(Bytes(answer.path)).startsWith("section,Pos,No,Name,"));

        // No cell or header is wider than its column in the font the table uses.
        for (int club = 0; club < 2; ++club) {
            for (int tab : {1, 3, 4, 5, 6}) {
                auto* list = game.ClubView<PageTableView>(club, tab);
                QFontMetrics cells(list->font());
                QFontMetrics headers(list->horizontalHeader()->font());
                for (int column = 0; column < list->model()->columnCount(); ++column) {
                    int width = list->columnWidth(column);
                    QVERIFY(headers.horizontalAdvance(
                                list->model()->headerData(column, Qt::Horizontal).toString()) <
                            width);
                    for (int row = 0; row < list->RowCount(); ++row) {
                        QVERIFY2(cells.horizontalAdvance(CellText(*list, row, column)) < width,
                                 qPrintable(CellText(*list, row, column)));
                    }
                }
            }
        }
    }

    void aDoubleClickAdjustsThePlayAndTheOtherViewsRefill() {
        Game game;
        auto* runs = game.ClubView<PlayCallList>(0, 3);
        auto* passes = game.ClubView<PlayCallList>(0, 4);
        auto* otherClubRuns = game.ClubView<PlayCallList>(1, 3);
        int passRows = passes->RowCount();
        int runRows = runs->RowCount();
        int otherRows = otherClubRuns->RowCount();

        AdjustAnswer answer;
        ScopedDialogRunner scope(answer);

        // OK without a change, from either list, changes nothing.
        runs->AdjustPlayAt(RowPoint(*runs, 0));
        passes->AdjustPlayAt(RowPoint(*passes, 0));
        QCOMPARE(answer.shown, 2);
        QCOMPARE(runs->RowCount(), runRows);
        QCOMPARE(passes->RowCount(), passRows);

        // A cancelled dialog changes nothing, whatever was clicked in it.
        answer.click = [](PlayAdjustDlg& dialog) { dialog.deleteBox()->click(); };
        answer.result = QDialog::Rejected;
        runs->AdjustPlayAt(RowPoint(*runs, 0));
        QCOMPARE(runs->RowCount(), runRows);
        answer.result = QDialog::Accepted;

        // "Pass Play" on a run: the row leaves, the pass list refills with it.
        int counter = RowOf(*runs, "Counter");
        QVERIFY(counter >= 0);
        answer.click = [](PlayAdjustDlg& dialog) { dialog.passButton()->click(); };
        runs->AdjustPlayAt(RowPoint(*runs, counter));
        QCOMPARE(runs->RowCount(), runRows - 1);
        QCOMPARE(RowOf(*runs, "Counter"), -1);
        QCOMPARE(passes->RowCount(), passRows + 1);
        QVERIFY(RowOf(*passes, "Counter") >= 0);
        QCOMPARE(otherClubRuns->RowCount(), otherRows);

        // "Delete Play From List" removes it, whatever kind is ticked.
        answer.click = [](PlayAdjustDlg& dialog) {
            dialog.runButton()->click();
            dialog.deleteBox()->click();
        };
        passes->AdjustPlayAt(RowPoint(*passes, RowOf(*passes, "Counter")));
        QCOMPARE(RowOf(*passes, "Counter"), -1);
        QCOMPARE(RowOf(*runs, "Counter"), -1);
        std::vector<std::unique_ptr<PlayRec>> left;
        game.doc().CollectPlayCalls(PlayKind::Pass, "Riverside Otters", left);
        QCOMPARE(static_cast<int>(left.size()), passRows);

        // Beside the rows nothing opens; the defensive list never adjusts.
        int shown = answer.shown;
        QRect last = runs->visualRect(runs->model()->index(runs->RowCount() - 1, 0));
        runs->AdjustPlayAt(QPoint(5, last.bottom() + 10));
        auto* defense = game.ClubView<PlayCallList>(0, 5);
        QTest::mouseDClick(defense->viewport(), Qt::LeftButton, {}, RowPoint(*defense, 0));
        QCOMPARE(answer.shown, shown);
    }

    void theGamePrintsFourteenPagesInThePrintoutsOrder() {
        Game game;
        QTemporaryDir dir;
        QString pdf = dir.filePath("game.pdf");
        QVERIFY(PrintViewToPdf(*game.window->logView, pdf));
        QStringList pages = PdfText(pdf).split(QLatin1Char('\f'));
        pages.removeAll(QString());
        std::vector<PrintoutPage> expected = BuildGamePrintout(game.doc());
        QCOMPARE(pages.size(), 14);
        for (int page = 0; page < 14; ++page) {
            QString title = QString::fromLatin1(expected[static_cast<std::size_t>(page)].title);
            QVERIFY2(pages[page].trimmed().startsWith(title), qPrintable(title));
        }

        // Searchable words, a title, and the paper of the window's printer.
        QVERIFY(pages[0].contains("Riverside Otters - Offensive Player Stats"));
        QCOMPARE(PdfInfo(pdf, "Title"), "riverside-at-hillcrest.log - Riverside Otters, Hillcrest");
        QSizeF paper = ProgramPrinter().pageLayout().pageSize().size(QPageSize::Point);
        QVERIFY2(PdfInfo(pdf, "Page size")
                     .startsWith(QStringLiteral("%1 x %2 pts")
                                     .arg(qRound(paper.width()))
                                     .arg(qRound(paper.height()))),
                 qPrintable(PdfInfo(pdf, "Page size")));

        QString nine = dir.filePath("nine.pdf");
        QVERIFY(PrintViewToPdf(*game.window->logView, nine, nullptr, PageRange{9, 9}));
        QString text = PdfText(nine);
        QVERIFY(text.contains("Hillcrest - Defensive player stats"));
        QVERIFY(!text.contains("Riverside Otters -"));
        QVERIFY(text.contains("riverside-at-hillcrest.log - Riverside Otters, Hillcrest"));
        QVERIFY(text.contains("page 9 of 14"));
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
    }

    void printPreviewShowsTheFourteenPages() {
        Game game;
        PreviewAnswer preview;
        ScopedDialogRunner scope(preview);
        QVERIFY(game.window->TakeCommand(command::kFilePrintPreview, true));
        QCOMPARE(preview.pages, 14);
        QCOMPARE(preview.title, QStringLiteral("Print Preview"));
        QVERIFY(preview.topLevel);
    }

    void aLogWithoutClubNamesLeavesTheTabsEmptyAndStillPrints() {
        QTemporaryDir dir;
        QString path = dir.filePath("nameless.log");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "HB #22 Dario Vance runs for a gain of 4 yards. That was Dive (1)\n"
            "against Base (2).\n\n");
        file.close();
        Game game(path);
        QVERIFY(game.window);
        QCOMPARE(game.window->gameTabs->tabText(1), QString());
        QCOMPARE(game.window->gameTabs->tabText(2), QString());
        QVERIFY(PrintViewToPdf(*game.window->logView, dir.filePath("nameless.pdf")));
        QVERIFY(PdfText(dir.filePath("nameless.pdf")).contains(" - Tendencies"));
    }

    void aFileThatHoldsNoGameIsRefused() {
        QTemporaryDir dir;
        QString path = dir.filePath("empty.log");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        Game game(path);
        QVERIFY(!game.frame);
        Game missing(dir.filePath("no-such.log"));
        QVERIFY(!missing.frame);
    }

    // Every header says in words what it counts: a list's in its header's tooltip, a
    // report's label by label where the mouse rests, and nowhere else on a report.
    void everyHeaderTellsWhatItCounts() {
        Game game;
        for (int club = 0; club < 2; ++club) {
            game.window->gameTabs->setCurrentIndex(1 + club);
            TabWindow* tabs = club == 0 ? game.window->team1Tabs : game.window->team2Tabs;
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QApplication::processEvents();
                QString where = QStringLiteral("club %1, tab %2").arg(club).arg(tab);
                if (auto* list = game.ClubView<PageTableView>(club, tab)) {
                    QAbstractItemModel* model = list->horizontalHeader()->model();
                    for (int column = 0; column < model->columnCount(); ++column) {
                        QString tip =
                            model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
                        std::string expected = ColumnTip(
                            list->pageModel().Columns()[static_cast<std::size_t>(column)]);
                        QVERIFY2(!tip.isEmpty() && tip == QString::fromLatin1(expected.c_str()),
                                 qPrintable(where + ": " + tip));
                    }
                    continue;
                }
                auto* report = game.ClubView<ReportView>(club, tab);
                QVERIFY2(report, qPrintable(where));
                std::set<QString> expected, found;
                for (const std::string& line : report->Lines()) {
                    for (const HeaderTip& tip : ReportHeaderTips(line)) {
                        expected.insert(QString::fromLatin1(tip.tip.c_str()));
                    }
                }
                QVERIFY(!expected.empty());
                // Over the report's text, in steps smaller than a character: every label
                // shows its tip somewhere, and nothing shows any other.
                QWidget* viewport = report->viewport();
                int right = std::min(viewport->width(), 640);
                for (int y = 0; y < viewport->height(); y += 4) {
                    for (int x = 0; x < right; x += 3) {
                        QString tip = report->HeaderTipAt(QPoint(x, y));
                        if (!tip.isEmpty()) found.insert(tip);
                    }
                }
                QVERIFY2(found == expected, qPrintable(where));
            }
        }
    }

    void nextAndPreviousTabWrapAround() {
        Game game;
        TabWindow* tabs = game.window->gameTabs;
        game.window->PreviousTab();
        QCOMPARE(tabs->currentIndex(), 2);
        game.window->NextTab();
        QCOMPARE(tabs->currentIndex(), 0);
        game.window->NextTab();
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(game.window->TakeCommand(command::kNextTab, true));
        QCOMPARE(tabs->currentIndex(), 2);
    }

    void theLogViewShowsTheTextAsReadAndRefusesChanges() {
        Game game;
        CLogView* log = game.window->logView;
        QString text = log->toPlainText();
        QVERIFY(text.contains(QString::fromUtf8("Léon Brandt")));
        QVERIFY(!text.contains(QChar(0x05)));
        QTest::keyClicks(log, "typed");
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        log->paste();
        QCOMPARE(log->toPlainText(), text);

        QVERIFY(log->FindNext(QStringLiteral("Bjørn")));
        QCOMPARE(log->textCursor().selectedText(), QStringLiteral("Bjørn"));
        QVERIFY(log->TakeCommand(command::kEditCopy, true));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Bjørn"));
        QVERIFY(!log->FindNext(QStringLiteral("no such words")));

        // The Find window says when the text is not there, and stands beside the text.
        QVERIFY(log->TakeCommand(command::kEditFind, true));
        auto* find = log->findChild<FindDialog*>();
        QVERIFY(find && find->isVisible());
        find->findChild<QLineEdit*>()->setText(QStringLiteral("no such words"));
        emit find->findNext();
        QCOMPARE(find->result(), QStringLiteral("\"no such words\" is not in the log."));
        find->findChild<QLineEdit*>()->setText(QStringLiteral("Hillcrest"));
        emit find->findNext();
        QCOMPARE(find->result(), QString());
        QVERIFY(find->x() >= log->mapToGlobal(QPoint(log->width() / 2, 0)).x());
    }

    // A season folder prints one club's seven pages, as the command-line program pages
    // them, and says in the footer what it counts.
    void printASeasonToPdf() {
        QTemporaryDir dir;
        QString folder = QFileInfo(kSample).path();
        QProcess program;
        program.start(QStringLiteral(GRIDTALLY_PROGRAM),
                      {"--print-to-pdf", folder, dir.filePath("season.pdf"), "--team", "Hillcrest",
                       "--down", "3,4", "--zone", "own,midfield"});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(PdfInfo(dir.filePath("season.pdf"), QStringLiteral("Pages")), QStringLiteral("7"));
        QString text = PdfText(dir.filePath("season.pdf"));
        QStringList titles = {"Hillcrest - Offensive Player Stats",
                              "Hillcrest - Defensive player stats",
                              "Hillcrest - Special Teams Stats",
                              "Hillcrest - Running Plays",
                              "Hillcrest - Passing Plays",
                              "Hillcrest - Defensive Plays",
                              "Hillcrest - Tendencies"};
        qsizetype at = 0;
        for (const QString& title : titles) {
            qsizetype found = text.indexOf(title, at);
            QVERIFY2(found >= at, qPrintable(title));
            at = found;
        }
        QCOMPARE(text.count("examples - down 3,4; zone own,midfield"), 7);
        QVERIFY(!text.contains("Games"));

        for (const auto& [arguments, status, says] :
             std::vector<std::tuple<QStringList, int, QString>>{
                 {{"--print-to-pdf", folder, dir.filePath("x.pdf")}, 2, "--team NAME"},
                 {{"--print-to-pdf", folder, dir.filePath("x.pdf"), "--team", "Hillcrest", "--down",
                   "5"},
                  2,
                  "\"5\" is not one of 1, 2, 3 or 4"},
                 {{"--print-to-pdf", folder, dir.filePath("x.pdf"), "--team", "Nobody"},
                  1,
                  "no club named \"Nobody\""}}) {
            program.start(QStringLiteral(GRIDTALLY_PROGRAM), arguments);
            QVERIFY(program.waitForFinished(60000));
            QCOMPARE(program.exitCode(), status);
            QString message = QString::fromUtf8(program.readAllStandardError());
            QVERIFY2(message.contains(says), qPrintable(message));
        }
    }

    void printToPdfFromTheCommandLine() {
        QTemporaryDir dir;
        QProcess program;
        program.start(QStringLiteral(GRIDTALLY_PROGRAM),
                      {"--print-to-pdf", kSample, dir.filePath("cli.pdf")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(PdfText(dir.filePath("cli.pdf")).contains("Hillcrest - Tendencies"));

        program.start(QStringLiteral(GRIDTALLY_PROGRAM),
                      {"--print-to-pdf", dir.filePath("none.log"), dir.filePath("x.pdf")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        QString message = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(message.contains("cannot open") && message.count('\n') == 1, qPrintable(message));

        program.start(QStringLiteral(GRIDTALLY_PROGRAM), {"--version"});
        QVERIFY(program.waitForFinished(60000));
        QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).startsWith("Gridtally 0."));

        // Without a display the window cannot open: one line and a plain failure.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(GRIDTALLY_PROGRAM), {});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        message = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(message.startsWith("gridtally: cannot open a window") && message.count('\n') == 1,
                 qPrintable(message));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    GameWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "GameWindowTest.moc"
