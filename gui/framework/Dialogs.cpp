#include "gui/framework/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>

#include "gui/framework/ChildFrame.h"
#include "gui/framework/Document.h"
#include "gui/framework/MdiMainWindow.h"
#include "gui/framework/RecentFileList.h"

namespace gridtally::gui {
namespace {
DialogRunner standardRunner;
DialogRunner* currentRunner = &standardRunner;
}  // namespace

QString DialogFolder(QWidget* parent) {
    QWidget* top = parent ? parent->window() : QApplication::activeWindow();
    auto* main = dynamic_cast<MdiMainWindow*>(top);
    ChildFrame* child = main ? main->ActiveChild() : nullptr;
    QString path = child && child->document() ? child->document()->pathName() : QString();
    if (!path.isEmpty()) {
        QFileInfo document(path);
        QString folder = document.isDir() ? document.absoluteFilePath() : document.absolutePath();
        if (QFileInfo(folder).isDir()) return folder;
    }
    QString last = ProgramSettings()->value(kDialogFolderKey).toString();
    return QFileInfo(last).isDir() ? last : QString();
}

void RememberDialogFolder(const QString& chosen) {
    if (chosen.isEmpty()) return;
    QFileInfo info(chosen);
    ProgramSettings()->setValue(kDialogFolderKey,
                                info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}

int DialogRunner::Exec(QDialog& dialog) { return dialog.exec(); }

QStringList DialogRunner::GetOpenFileNames(QWidget* parent, const QString& caption,
                                           const QString& filter, bool multiple) {
    QFileDialog dialog(parent, caption, DialogFolder(parent), filter);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (Exec(dialog) != QDialog::Accepted) return {};
    QStringList files = dialog.selectedFiles();
    if (!files.isEmpty()) RememberDialogFolder(files.first());
    return files;
}

QString DialogRunner::GetSaveFileName(QWidget* parent, const QString& caption,
                                      const QString& initialName, const QString& filter,
                                      const QString& defaultExtension) {
    QString initial = initialName;
    if (QDir::isRelativePath(initial)) {
        QString folder = DialogFolder(parent);
        if (!folder.isEmpty())
            initial = initial.isEmpty() ? folder : QDir(folder).filePath(initial);
    }
    QFileDialog dialog(parent, caption, initial, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExtension);
    // A name typed without a type gets the type of the filter chosen ("*.svg" -> svg).
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        qsizetype star = f.indexOf(QStringLiteral("*."));
        QString suffix = star < 0 ? QString() : f.mid(star + 2).section(QLatin1Char(')'), 0, 0);
        bool plain = !suffix.isEmpty() && std::all_of(suffix.begin(), suffix.end(),
                                                      [](QChar c) { return c.isLetterOrNumber(); });
        if (plain) dialog.setDefaultSuffix(suffix);  // not from "All Files (*.*)"
    });
    if (Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    RememberDialogFolder(dialog.selectedFiles().first());
    return dialog.selectedFiles().first();
}

QString DialogRunner::GetExistingDirectory(QWidget* parent, const QString& caption) {
    QFileDialog dialog(parent, caption, DialogFolder(parent));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    RememberDialogFolder(dialog.selectedFiles().first());
    return dialog.selectedFiles().first();
}

void DialogRunner::ShowMessage(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    Exec(box);
}

DialogRunner::SaveChoice DialogRunner::AskSaveChanges(QWidget* parent, const QString& title,
                                                      const QString& documentTitle) {
    QMessageBox box(QMessageBox::Question, title,
                    QObject::tr("Save changes to %1?").arg(documentTitle),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    Exec(box);
    QMessageBox::StandardButton answer = box.standardButton(box.clickedButton());
    if (answer == QMessageBox::Save) return SaveChoice::Save;
    if (answer == QMessageBox::Discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

bool DialogRunner::Confirm(QWidget* parent, const QString& title, const QString& question) {
    QMessageBox box(QMessageBox::Warning, title, question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    Exec(box);
    return box.standardButton(box.clickedButton()) == QMessageBox::Yes;
}

void ShowFailure(QWidget* parent, const QString& text) {
    CurrentDialogRunner().ShowMessage(parent, QApplication::applicationDisplayName(), text);
}

DialogRunner& CurrentDialogRunner() { return *currentRunner; }

void SetDialogRunner(DialogRunner* runner) { currentRunner = runner ? runner : &standardRunner; }

ScopedDialogRunner::ScopedDialogRunner(DialogRunner& runner) : previous_(currentRunner) {
    SetDialogRunner(&runner);
}

ScopedDialogRunner::~ScopedDialogRunner() { SetDialogRunner(previous_); }

}  // namespace gridtally::gui
