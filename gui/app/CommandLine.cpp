#include "gui/app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "core/game/PlayFilter.h"

namespace gridtally::gui {

void SetUpCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Gridtally: statistics from Turfa football game logs"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("print-to-pdf"),
                      QStringLiteral("Print a game's 14 pages, a Play DB's 4 pages of one club, "
                                     "or a season's 7 pages of one club into OUT.pdf with no "
                                     "window: --print-to-pdf GAME.log OUT.pdf, --print-to-pdf "
                                     "DB.pdb OUT.pdf --team NAME, --print-to-pdf FOLDER OUT.pdf "
                                     "--team NAME [--down 3 ...]")});
    parser.addOption({QStringLiteral("team"),
                      QStringLiteral("With --print-to-pdf of a Play DB or a season: the club "
                                     "to print"),
                      QStringLiteral("NAME")});
    for (const FilterValues& values : FilterCriteria()) {
        QString allowed;
        for (std::string_view value : values.allowed) {
            allowed +=
                (allowed.isEmpty() ? "" : ",") + QString::fromLatin1(value.data(), value.size());
        }
        parser.addOption(
            {QString::fromLatin1(values.option.substr(2).data(),
                                 static_cast<int>(values.option.size() - 2)),
             QStringLiteral("With --print-to-pdf of a season: only plays of these (%1)")
                 .arg(allowed),
             QStringLiteral("LIST")});
    }
    parser.addOption(
        {QStringLiteral("opponent"),
         QStringLiteral("With --print-to-pdf of a season: only games against this club"),
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
        for (const FilterValues& values : FilterCriteria()) {
            QString option = QString::fromLatin1(values.option.substr(2).data(),
                                                 static_cast<int>(values.option.size() - 2));
            for (const QString& list : parser.values(option)) line.filters.append({option, list});
        }
        for (const QString& club : parser.values(QStringLiteral("opponent"))) {
            line.filters.append({QStringLiteral("opponent"), club});
        }
        if (QFileInfo(line.input).isDir() && !parser.isSet(QStringLiteral("team"))) {
            line.job = CommandLine::Job::Refuse;
            line.error = QStringLiteral(
                "a season prints the pages of one club: "
                "--print-to-pdf FOLDER OUT.pdf --team NAME");
            return line;
        }
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
