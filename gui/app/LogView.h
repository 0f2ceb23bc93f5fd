#pragma once

#include <QPlainTextEdit>
#include <QTextDocument>

#include "gui/framework/Commands.h"
#include "gui/framework/View.h"

namespace gridtally::gui {

class FindDialog;

// "Log File Source": the log's text exactly as read, read-only. It names the two club
// tabs when the game window first shows, and prints the game: page N is the page of the
// N-th other view of the document.
class CLogView : public QPlainTextEdit, public View, public CommandTarget {
    Q_OBJECT

public:
    // The last page of the game's printout: seven views of each club.
    static constexpr int kLastPage = 14;

    explicit CLogView(QWidget* parent = nullptr);
    ~CLogView() override;

    void OnInitialUpdate() override;
    // Copy, Search, Print and Print Preview.
    bool TakeCommand(int id, bool run) override;
    bool OnPreparePrinting(PrintInfo& info) override;
    void OnPrint(QPainter& painter, PrintInfo& info) override;
    // The log's file name and its two clubs.
    QString PrintedDocumentName() const override;

    // Finds the next match after the selection, from the top again at the end; false
    // when there is none.
    bool FindNext(const QString& text, QTextDocument::FindFlags flags = {});
    void ShowFindDialog();

private:
    FindDialog* findDialog_ = nullptr;
};

}  // namespace gridtally::gui
