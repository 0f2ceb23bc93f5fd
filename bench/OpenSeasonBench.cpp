// Opens a season folder as the desktop program does, offscreen, and prints how long it
// took until every page was filled, then how long a change of the filter takes to
// refill them: "open MS" and "filter MS", medians of the runs. Then, in a copy of the
// folder, how long after a new log is written the window shows it: "follow MS".
#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <thread>
#include <vector>

#include "gui/app/SeasonDoc.h"
#include "gui/app/SeasonFrame.h"
#include "gui/app/SeasonGamesView.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/ChildFrame.h"
#include "gui/framework/DocTemplate.h"
#include "gui/framework/ParserMessages.h"

namespace {

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    mallopt(M_TOP_PAD, 64 << 20);  // as the programs do
    QApplication application(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: open_season_bench FOLDER [RUNS]\n";
        return 2;
    }
    int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    gridtally::gui::SetParserMessages(&gridtally::NoDiagnostics());
    auto seasonTemplate = gridtally::gui::MakeSeasonDocTemplate();
    std::vector<double> opens, filters;
    for (int i = 0; i < runs; ++i) {
        QString error;
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<gridtally::gui::ChildFrame> frame =
            seasonTemplate->OpenDocumentFile(QString::fromLocal8Bit(argv[1]), &error);
        opens.push_back(timer.nsecsElapsed() / 1e6);
        auto* season = dynamic_cast<gridtally::gui::SeasonFrame*>(frame.get());
        if (!season) {
            QTextStream(stderr) << "open_season_bench: " << error << '\n';
            return 1;
        }
        for (const auto& [criterion, combo] : season->criterionChoices) {
            timer.restart();
            combo->setCurrentIndex(1 + i % (combo->count() - 1));  // refills every page
            filters.push_back(timer.nsecsElapsed() / 1e6);
            combo->setCurrentIndex(0);
        }
    }
    QTextStream(stdout) << "open " << QString::number(Median(opens), 'f', 1) << '\n'
                        << "filter " << QString::number(Median(filters), 'f', 1) << '\n';

    // The user's folder is not written to: the new logs go into a copy of it.
    QTemporaryDir copy;
    QDir source(QString::fromLocal8Bit(argv[1]));
    const QStringList logs = source.entryList(QDir::Files, QDir::Name);
    for (const QString& log : logs) QFile::copy(source.filePath(log), copy.filePath(log));
    QString error;
    std::unique_ptr<gridtally::gui::ChildFrame> frame =
        seasonTemplate->OpenDocumentFile(copy.path(), &error);
    auto* season = dynamic_cast<gridtally::gui::SeasonFrame*>(frame.get());
    if (!season || logs.isEmpty()) return 1;
    // The season's games: the Games page lists only the club's.
    auto& doc = *static_cast<gridtally::gui::SeasonDoc*>(season->document());
    auto gamesRead = [&] { return doc.season().games().size(); };
    std::vector<double> follows;
    for (int i = 0; i < std::min(runs, 3); ++i) {
        std::size_t games = gamesRead();
        QFile log(copy.filePath(QStringLiteral("zz-new-%1.log").arg(i)));
        QFile from(source.filePath(logs[i % logs.size()]));
        if (!from.open(QIODevice::ReadOnly) || !log.open(QIODevice::WriteOnly)) return 1;
        log.write(from.readAll());
        log.close();
        QElapsedTimer timer;
        timer.start();
        while (gamesRead() == games && timer.elapsed() < 10000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        follows.push_back(timer.nsecsElapsed() / 1e6);
    }
    QTextStream(stdout) << "follow " << QString::number(Median(follows), 'f', 1) << '\n';
    return 0;
}
