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

    CYardbookApp();
    ~CYardbookApp() override;

    // Makes the templates and the main window; shows it and opens `files` in it.
    bool InitInstance(const QStringList& files = {});

    CMainFrame* mainFrame() const { return mainFrame_.get(); }
    DocTemplate* logDocTemplate = nullptr;  // owned by the main frame

private:
    std::unique_ptr<CMainFrame> mainFrame_;
};

// Prints a game's fourteen pages into a PDF with no window shown. Returns the exit
// status; a failure is told on standard error in one line.
int PrintGameToPdf(const QString& logPath, const QString& pdfPath);

}  // namespace gridtally::gui
