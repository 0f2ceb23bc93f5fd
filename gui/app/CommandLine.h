#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace gridtally::gui {

// What a run of the program is asked to do.
struct CommandLine {
    enum class Job { Run, PrintToPdf, Refuse };
    Job job = Job::Run;
    QStringList open;       // --open's files; a bare file name is read and ignored
    QString input, output;  // --print-to-pdf's
    QString team;           // --team, for a Play DB's or a season's printout
    // A season's filter options, as "--down" and its comma list.
    QList<QPair<QString, QString>> filters;
    QString error;  // why a run is refused (exit status 2)
};

// The options of the program, for `parser` to read the arguments with.
void SetUpCommandLine(QCommandLineParser& parser);
// What the parsed arguments ask for.
CommandLine ReadCommandLine(const QCommandLineParser& parser);

}  // namespace gridtally::gui
