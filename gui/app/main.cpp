#include <malloc.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <cstdlib>
#include <cstring>

#include "gui/app/CommandLine.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/PagePainter.h"

namespace {

// A command-line run speaks in one line of its own; Qt's notes about the session
// (no runtime folder, no window manager) are no concern of a PDF.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) QTextStream(stderr) << message << '\n';
}

// Printing to a file, --help and --version need no screen.
bool NeedsNoScreen(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option :
             {"--print-to-pdf", "--help", "-h", "--help-all", "--version", "-v"}) {
            if (std::strcmp(argv[i], option) == 0) return true;
        }
    }
    return false;
}

// Qt's notes while it looks for a screen; without one it ends the program, which is
// said in one line of our own and a plain failure, not an abort.
void NoScreenIsOneLine(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    QTextStream(stderr) << "gridtally: cannot open a window: no display could be reached "
                           "(DISPLAY or WAYLAND_DISPLAY); --print-to-pdf works without one\n";
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    // A season keeps every play of hundreds of logs, read on several threads: a heap that
    // grows in large steps spares the threads a page fault at every small growth.
    mallopt(M_TOP_PAD, 64 << 20);
    // Without this Qt would refuse to start on a machine without a display.
    bool screenless = NeedsNoScreen(argc, argv);
    if (screenless) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtNotes);
    } else {
        qInstallMessageHandler(NoScreenIsOneLine);
    }
    QApplication application(argc, argv);
    if (!screenless) qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral("Gridtally"));
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationVersion(QStringLiteral(GRIDTALLY_VERSION));
    gridtally::gui::InstallFontSubstitutions();

    QCommandLineParser parser;
    gridtally::gui::SetUpCommandLine(parser);
    parser.process(application);
    gridtally::gui::CommandLine line = gridtally::gui::ReadCommandLine(parser);
    switch (line.job) {
        case gridtally::gui::CommandLine::Job::Refuse:
            QTextStream(stderr) << "gridtally: " << line.error << '\n';
            return 2;
        case gridtally::gui::CommandLine::Job::PrintToPdf:
            if (QFileInfo(line.input).isDir()) {
                return gridtally::gui::PrintSeasonToPdf(line.input, line.output, line.team,
                                                        line.filters);
            }
            if (line.input.endsWith(QStringLiteral(".pdb"), Qt::CaseInsensitive)) {
                return gridtally::gui::PrintPlayDBToPdf(line.input, line.output, line.team);
            }
            return gridtally::gui::PrintGameToPdf(line.input, line.output);
        case gridtally::gui::CommandLine::Job::Run:
            break;
    }
    if (!line.open.isEmpty() && gridtally::gui::HandFilesToRunningInstance(line.open)) return 0;
    gridtally::gui::CYardbookApp app;
    if (!app.InitInstance(line.open)) return 1;
    return application.exec();
}
