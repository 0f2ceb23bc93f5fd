#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <cstdlib>
#include <cstring>

#include "app/YardbookApp.h"
#include "framework/DeviceContext.h"

namespace {

// A command-line run speaks in one line of its own; Qt's notes about the session
// (no runtime folder, no window manager) are no concern of a PDF.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) QTextStream(stderr) << message << '\n';
}

bool AskedToPrint(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-to-pdf") == 0) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Printing to a file needs no screen; without this Qt would refuse to start on a
    // machine without a display.
    if (AskedToPrint(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtNotes);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Turfa Log Stats"));
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationVersion(QStringLiteral(GRIDTALLY_VERSION));
    gridtally::gui::InstallFontSubstitutions();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Gridtally: statistics from Turfa football game logs"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption printToPdf(
        QStringLiteral("print-to-pdf"),
        QStringLiteral("Print a game's 14 pages, or a Play DB's 4 pages of one club, into "
                       "OUT.pdf with no window: --print-to-pdf GAME.log OUT.pdf, "
                       "--print-to-pdf DB.pdb OUT.pdf --team NAME"));
    parser.addOption(printToPdf);
    QCommandLineOption team(QStringLiteral("team"),
                            QStringLiteral("With --print-to-pdf of a Play DB: the club to print"),
                            QStringLiteral("NAME"));
    parser.addOption(team);
    QCommandLineOption open(QStringLiteral("open"),
                            QStringLiteral("Open the files named, in the program already running "
                                           "if there is one: --open FILE..."));
    parser.addOption(open);
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("With --open or --print-to-pdf: the files"),
                                 QStringLiteral("[FILE...]"));
    parser.process(application);

    QStringList files = parser.positionalArguments();
    if (parser.isSet(printToPdf)) {
        if (files.size() != 2) {
            QTextStream(stderr) << "gridtally: --print-to-pdf expects a game log and the PDF "
                                   "to write: --print-to-pdf GAME.log OUT.pdf\n";
            return 2;
        }
        if (files[0].endsWith(QStringLiteral(".pdb"), Qt::CaseInsensitive)) {
            if (!parser.isSet(team)) {
                QTextStream(stderr) << "gridtally: a Play DB prints the pages of one club: "
                                       "--print-to-pdf DB.pdb OUT.pdf --team NAME\n";
                return 2;
            }
            return gridtally::gui::PrintPlayDBToPdf(files[0], files[1], parser.value(team));
        }
        return gridtally::gui::PrintGameToPdf(files[0], files[1]);
    }

    // Files reach the program through --open, as the desktop hands them over; a bare
    // name on the command line opens nothing.
    QStringList toOpen = parser.isSet(open) ? files : QStringList();
    if (!toOpen.isEmpty() && gridtally::gui::HandFilesToRunningInstance(toOpen)) return 0;
    gridtally::gui::CYardbookApp app;
    if (!app.InitInstance(toOpen)) return 1;
    return application.exec();
}
