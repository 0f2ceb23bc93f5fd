#include "gui/app/LogView.h"

#include <QFontDatabase>
#include <QMainWindow>
#include <QStatusBar>
#include <QTextCursor>

#include "gui/app/FindDialog.h"
#include "gui/app/TabFrame.h"
#include "gui/app/YardbookDoc.h"
#include "gui/framework/Document.h"
#include "gui/framework/Printing.h"

namespace gridtally::gui {

CLogView::CLogView(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setReadOnly(true);
}

bool CLogView::TakeCommand(int id, bool run) {
    switch (id) {
        case command::kEditCopy:
            return textCursor().hasSelection() && Take(run, [this] { copy(); });
        case command::kEditFind:
            return Take(run, [this] { ShowFindDialog(); });
        case command::kFilePrint:
            return Take(run, [this] { PrintWithDialog(*this, window()); });
        case command::kFilePrintPreview:
            return Take(run, [this] { PrintPreview(*this, window()); });
        default:
            return false;
    }
}

CLogView::~CLogView() = default;

void CLogView::OnInitialUpdate() {
    auto* game = dynamic_cast<CYardbookDoc*>(View::document());
    CTabFrame* frame = nullptr;
    for (QWidget* w = parentWidget(); w && !frame; w = w->parentWidget()) {
        frame = dynamic_cast<CTabFrame*>(w);
    }
    if (frame && game) {
        frame->gameTabs->setTabText(1, QString::fromLatin1(game->team1Name.c_str()));
        frame->gameTabs->setTabText(2, QString::fromLatin1(game->team2Name.c_str()));
    }
    if (frame) frame->logView = this;
    setReadOnly(true);
    QPlainTextEdit::document()->setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The text goes into the view's own document, built once.
    if (game) setPlainText(game->logText());
}

bool CLogView::OnPreparePrinting(PrintInfo& info) {
    info.maxPage = kLastPage;
    return true;
}

void CLogView::OnPrint(QPainter& painter, PrintInfo& info) {
    PrintPageThroughViews(*this, painter, info);
}

QString CLogView::PrintedDocumentName() const {
    auto* game = dynamic_cast<CYardbookDoc*>(View::document());
    if (!game) return View::PrintedDocumentName();
    return QStringLiteral("%1 - %2, %3")
        .arg(game->title(), QString::fromLatin1(game->team1Name.c_str()),
             QString::fromLatin1(game->team2Name.c_str()));
}

bool CLogView::FindNext(const QString& text, QTextDocument::FindFlags flags) {
    if (text.isEmpty()) return false;
    if (find(text, flags)) return true;
    // Wrap around once from the other end.
    QTextCursor cursor = textCursor();
    cursor.movePosition(flags & QTextDocument::FindBackward ? QTextCursor::End
                                                            : QTextCursor::Start);
    QTextCursor saved = textCursor();
    setTextCursor(cursor);
    if (find(text, flags)) return true;
    setTextCursor(saved);
    return false;
}

void CLogView::ShowFindDialog() {
    if (!findDialog_) {
        findDialog_ = new FindDialog(this);
        connect(findDialog_, &FindDialog::findNext, this, [this] {
            bool found = FindNext(findDialog_->text(), findDialog_->flags());
            QString result =
                found ? QString() : tr("\"%1\" is not in the log.").arg(findDialog_->text());
            findDialog_->ShowResult(result);
            if (auto* main = qobject_cast<QMainWindow*>(window()); main && !found) {
                main->statusBar()->showMessage(result, 5000);
            }
        });
        // Beside the text, at the right edge of the view, so that it covers no hit.
        findDialog_->adjustSize();
        QPoint corner = mapToGlobal(QPoint(width() - findDialog_->width(), 0));
        findDialog_->move(corner);
    }
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

}  // namespace gridtally::gui
