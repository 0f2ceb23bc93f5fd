#pragma once

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLineEdit;

namespace gridtally::gui {

// The search of the log text: a modeless window that finds the next match each time.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(QWidget* parent = nullptr);

    QString text() const;
    QTextDocument::FindFlags flags() const;

signals:
    void findNext();

private:
    QLineEdit* what_;
    QCheckBox* matchCase_;
    QCheckBox* up_;
};

}  // namespace gridtally::gui
