#pragma once

// The dialog runner: every modal dialog and message of the program goes through one
// replaceable object, so that tests answer dialogs instead of blocking on them, and file
// dialogs open where the user works. Qt has the dialogs, not the seam.

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace gridtally::gui {

// Where a file dialog opens: the folder of the active document of `parent`'s main window
// (a folder document's own), else the folder last chosen in a file dialog, kept in the
// settings; empty when neither is known.
QString DialogFolder(QWidget* parent);
// Keeps the folder of `chosen`, a file or a folder that a file dialog gave.
void RememberDialogFolder(const QString& chosen);

// Every modal dialog of the program runs through the current runner, so that tests
// answer dialogs instead of blocking on them. The file dialogs open in DialogFolder and
// take filters as Qt writes them ("Game Logs (*.log);;All Files (*.*)").
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual int Exec(QDialog& dialog);
    // Empty when cancelled. A bare initial name of a save stands in DialogFolder.
    virtual QStringList GetOpenFileNames(QWidget* parent, const QString& caption,
                                         const QString& filter, bool multiple);
    virtual QString GetSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& initialName, const QString& filter,
                                    const QString& defaultExtension);
    // A message with an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& title, const QString& text);
    // A folder to open; empty when the user cancels.
    virtual QString GetExistingDirectory(QWidget* parent, const QString& caption);

    // "Save changes to DOCUMENT?" before a window with unsaved changes closes.
    enum class SaveChoice { Save, Discard, Cancel };
    virtual SaveChoice AskSaveChanges(QWidget* parent, const QString& title,
                                      const QString& documentTitle);
    // A question with Yes and No, No the default; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& title, const QString& question);
};

// Tells the user that something failed, over `parent`'s window: every such message of
// the program comes through here, captioned with the program's name.
void ShowFailure(QWidget* parent, const QString& text);

DialogRunner& CurrentDialogRunner();
// nullptr restores the runner that shows real dialogs.
void SetDialogRunner(DialogRunner* runner);

// Installs a runner for its own lifetime and then brings back the one it replaced, also
// when a test returns early from a failed check.
class ScopedDialogRunner {
public:
    explicit ScopedDialogRunner(DialogRunner& runner);
    ~ScopedDialogRunner();
    ScopedDialogRunner(const ScopedDialogRunner&) = delete;
    ScopedDialogRunner& operator=(const ScopedDialogRunner&) = delete;

private:
    DialogRunner* previous_;
};

}  // namespace gridtally::gui
