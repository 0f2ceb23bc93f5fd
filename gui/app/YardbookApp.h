#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "framework/CommandRouting.h"

namespace gridtally::gui {

class CMainFrame;
class CTabFrame;
class DocTemplate;

// The program: its document types, its main window and the commands no window takes.
class CYardbookApp : public CommandTarget {
public:
    // "Gridtally\n\nTurflog\n...": the game log type's seven document strings.
    static const QString kLogDocStrings;
    static constexpr int kLogResource = 128;
    // "Gridtally\n\nPlayDB\n...": the Play DB type's.
    static const QString kPlayDBDocStrings;
    static constexpr int kPlayDBResource = 129;
    static constexpr int kNewPlayDB = 32783;  // "New DB..."

    CYardbookApp();
    ~CYardbookApp() override;

    // Makes the templates and the main window; shows it and opens `files` in it.
    bool InitInstance(const QStringList& files = {});

    CMainFrame* mainFrame() const { return mainFrame_.get(); }
    DocTemplate* logDocTemplate = nullptr;     // owned by the main frame
    DocTemplate* playDBDocTemplate = nullptr;  // likewise

    // A new, empty Play DB in its window.
    void OnNewPlayDB();

private:
    std::unique_ptr<CMainFrame> mainFrame_;
};

// The document types, as the program registers them.
std::unique_ptr<DocTemplate> MakeLogDocTemplate();
std::unique_ptr<DocTemplate> MakePlayDBDocTemplate();

// Prints a game's fourteen pages, or a Play DB's four pages of `team`, into a PDF with
// no window shown. Returns the exit status; a failure is told on standard error in one
// line.
int PrintGameToPdf(const QString& logPath, const QString& pdfPath);
int PrintPlayDBToPdf(const QString& dbPath, const QString& pdfPath, const QString& team);

}  // namespace gridtally::gui
