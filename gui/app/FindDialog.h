#pragma once

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace gridtally::gui {

// The search of the log text: a modeless window that finds the next match each time.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(QWidget* parent = nullptr);

    QString text() const;
    QTextDocument::FindFlags flags() const;
    // What the last search found, said under the fields: empty, or that the text is not
    // in the log.
    void ShowResult(const QString& result);
    QString result() const;

signals:
    void findNext();

private:
    QLineEdit* what_;
    QCheckBox* matchCase_;
    QCheckBox* up_;
    QLabel* result_;
};

}  // namespace gridtally::gui
