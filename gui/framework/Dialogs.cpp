#include "gui/framework/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>

namespace gridtally::gui {
namespace {
DialogRunner standardRunner;
DialogRunner* currentRunner = &standardRunner;
}  // namespace

QString ConvertFilter(const QString& filter) {
    QStringList parts = filter.split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        if (name.isEmpty() && patterns.isEmpty()) break;  // the closing "||"
        patterns.replace(';', ' ');
        // Qt reads the patterns from the parentheses of the entry.
        entries << (name.contains('(') ? name : QStringLiteral("%1 (%2)").arg(name, patterns));
    }
    return entries.join(QStringLiteral(";;"));
}

int DialogRunner::Exec(QDialog& dialog) { return dialog.exec(); }

QStringList DialogRunner::GetOpenFileNames(QWidget* parent, const QString& caption,
                                           const QString& filter, bool multiple) {
    if (multiple) return QFileDialog::getOpenFileNames(parent, caption, {}, ConvertFilter(filter));
    QString file = QFileDialog::getOpenFileName(parent, caption, {}, ConvertFilter(filter));
    return file.isEmpty() ? QStringList() : QStringList{file};
}

QString DialogRunner::GetSaveFileName(QWidget* parent, const QString& caption,
                                      const QString& initialName, const QString& filter,
                                      const QString& defaultExtension) {
    QFileDialog dialog(parent, caption, initialName, ConvertFilter(filter));
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
    return dialog.selectedFiles().first();
}

QString DialogRunner::GetExistingDirectory(QWidget* parent, const QString& caption) {
    return QFileDialog::getExistingDirectory(parent, caption);
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

DialogRunner& CurrentDialogRunner() { return *currentRunner; }

void SetDialogRunner(DialogRunner* runner) { currentRunner = runner ? runner : &standardRunner; }

ScopedDialogRunner::ScopedDialogRunner(DialogRunner& runner) : previous_(currentRunner) {
    SetDialogRunner(&runner);
}

ScopedDialogRunner::~ScopedDialogRunner() { SetDialogRunner(previous_); }

}  // namespace gridtally::gui
