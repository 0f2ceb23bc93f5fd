// Opens a game log as the desktop program does, offscreen, and prints how long it took
// until all fifteen views were filled: the median of the runs, in milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "gui/app/TabFrame.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/ChildFrame.h"
#include "gui/framework/DocTemplate.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: open_game_bench GAME.log [RUNS]\n";
        return 2;
    }
    int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    auto logTemplate = gridtally::gui::MakeLogDocTemplate();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QString error;
        QElapsedTimer timer;
        timer.start();
        // The window with its views, each filled by its initial update.
        std::unique_ptr<gridtally::gui::ChildFrame> frame =
            logTemplate->OpenDocumentFile(QString::fromLocal8Bit(argv[1]), &error);
        double elapsed = timer.nsecsElapsed() / 1e6;
        if (!frame) {
            QTextStream(stderr) << "open_game_bench: " << error << '\n';
            return 1;
        }
        times.push_back(elapsed);
    }
    std::sort(times.begin(), times.end());
    QTextStream(stdout) << QString::number(times[times.size() / 2], 'f', 1) << '\n';
    return 0;
}
