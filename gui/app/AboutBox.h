#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace gridtally::gui {

// "About Gridtally": the icon, the program's name and version as --version gives them,
// OK, and the terms the program comes under in a read-only box.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    static const QString kVersionLine;  // "Gridtally 0.1.0"
    static const QString kDisclaimer;

    explicit AboutBox(QWidget* parent = nullptr);
    QPlainTextEdit* terms() const { return terms_; }

private:
    QPlainTextEdit* terms_;
};

}  // namespace gridtally::gui
