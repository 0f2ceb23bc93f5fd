#include "gui/app/CommandLine.h"

#include <QCommandLineParser>

namespace gridtally::gui {

void SetUpCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Gridtally: statistics from Turfa football game logs"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("print-to-pdf"),
                      QStringLiteral("Print a game's 14 pages, or a Play DB's 4 pages of one club, "
                                     "into OUT.pdf with no window: --print-to-pdf GAME.log "
                                     "OUT.pdf, --print-to-pdf DB.pdb OUT.pdf --team NAME")});
    parser.addOption({QStringLiteral("team"),
                      QStringLiteral("With --print-to-pdf of a Play DB: the club to print"),
                      QStringLiteral("NAME")});
    parser.addOption({QStringLiteral("open"),
                      QStringLiteral("Open the files named, in the program already running if "
                                     "there is one: --open FILE...")});
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("With --open or --print-to-pdf: the files"),
                                 QStringLiteral("[FILE...]"));
}

CommandLine ReadCommandLine(const QCommandLineParser& parser) {
    CommandLine line;
    QStringList files = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("print-to-pdf"))) {
        if (files.size() != 2) {
            line.job = CommandLine::Job::Refuse;
            line.error = QStringLiteral(
                "--print-to-pdf expects a game log and the PDF to write: "
                "--print-to-pdf GAME.log OUT.pdf");
            return line;
        }
        line.input = files[0];
        line.output = files[1];
        line.team = parser.value(QStringLiteral("team"));
        if (line.input.endsWith(QStringLiteral(".pdb"), Qt::CaseInsensitive) &&
            !parser.isSet(QStringLiteral("team"))) {
            line.job = CommandLine::Job::Refuse;
            line.error = QStringLiteral(
                "a Play DB prints the pages of one club: "
                "--print-to-pdf DB.pdb OUT.pdf --team NAME");
            return line;
        }
        line.job = CommandLine::Job::PrintToPdf;
        return line;
    }
    // Files reach the program through --open, as the desktop hands them over.
    if (parser.isSet(QStringLiteral("open"))) line.open = files;
    return line;
}

}  // namespace gridtally::gui
