// Opens a copy of a season folder in the desktop program's season window (offscreen),
// then drops into the folder a FIFO, a link to /dev/zero and a large log, and takes the
// large log away again. A timer that fires every 10 ms records how late it came: the
// longest time the window did not answer while the log joined and left. Prints, per page shown (a
// club's page, the Plays page): "late_club MS", "join_club MS" (how long until the large game
// showed), then "rss_before MB" and "rss_after MB" (resident size after malloc_trim, before the
// large log came and after it left).
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <thread>

#include "gui/app/SeasonDoc.h"
#include "gui/app/SeasonFrame.h"
#include "gui/app/SeasonGamesView.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/DocTemplate.h"
#include "gui/framework/ParserMessages.h"

namespace {

double ResidentMegabytes() {
    malloc_trim(0);
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

// Runs the event loop until `done` holds or `seconds` pass; false on the time-out.
bool RunUntil(const std::function<bool()>& done, int seconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > seconds * 1000) return false;
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    mallopt(M_TOP_PAD, 64 << 20);  // as the programs do
    QApplication application(argc, argv);
    if (argc < 3) {
        QTextStream(stderr) << "usage: follow_large_bench FOLDER LARGE_LOG\n";
        return 2;
    }
    gridtally::gui::SetParserMessages(&gridtally::NoDiagnostics());
    QTemporaryDir copy;
    QDir source(QString::fromLocal8Bit(argv[1]));
    for (const QString& log : source.entryList(QDir::Files, QDir::Name)) {
        QFile::copy(source.filePath(log), copy.filePath(log));
    }
    const std::string large = argv[2];
    auto seasonTemplate = gridtally::gui::MakeSeasonDocTemplate();
    QString error;
    std::unique_ptr<gridtally::gui::ChildFrame> frame =
        seasonTemplate->OpenDocumentFile(copy.path(), &error);
    auto* season = dynamic_cast<gridtally::gui::SeasonFrame*>(frame.get());
    if (!season) {
        QTextStream(stderr) << "follow_large_bench: " << error << '\n';
        return 1;
    }
    season->resize(1400, 900);
    season->show();
    auto& doc = *static_cast<gridtally::gui::SeasonDoc*>(season->document());
    auto games = [&] { return doc.season().games().size(); };
    const std::size_t before = games();
    RunUntil([] { return false; }, 2);

    // Hostile files first: they must be passed over without a wait.
    std::string folder = copy.path().toStdString();
    mkfifo((folder + "/zz-fifo.log").c_str(), 0600);
    if (symlink("/dev/zero", (folder + "/zz-zero.log").c_str()) != 0) return 1;
    RunUntil([] { return false; }, 3);
    if (games() != before) return 1;

    QElapsedTimer lastTick;
    qint64 late = 0;
    QTimer ticks;
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout,
                     [&] { late = std::max(late, lastTick.restart() - 10); });
    QTextStream out(stdout);
    double rssBefore = 0, rssAfter = 0;
    const std::string target = folder + "/zz-large.log";
    for (const char* page : {"club", "plays"}) {
        season->tabs->setCurrentIndex(std::string(page) == "plays" ? 1 : 2);
        RunUntil([] { return false; }, 1);
        if (rssBefore == 0) rssBefore = ResidentMegabytes();
        // Written by another program, as a game would write it.
        std::thread writer([&] {
            std::ifstream in(large, std::ios::binary);
            std::ofstream(target, std::ios::binary) << in.rdbuf();
        });
        lastTick.start();
        late = 0;
        ticks.start();
        QElapsedTimer joining;
        joining.start();
        bool joined = RunUntil([&] { return games() == before + 1; }, 300);
        double joinMs = static_cast<double>(joining.elapsed());
        writer.join();
        if (!joined) return 1;
        RunUntil([] { return false; }, 1);
        unlink(target.c_str());
        if (!RunUntil([&] { return games() == before && !doc.following(); }, 60)) return 1;
        RunUntil([] { return false; }, 1);
        ticks.stop();
        out << "late_" << page << ' ' << late << '\n' << "join_" << page << ' ' << joinMs << '\n';
        out.flush();
        rssAfter = ResidentMegabytes();
    }
    out << "rss_before " << rssBefore << '\n' << "rss_after " << rssAfter << '\n';
    return 0;
}
