#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace gridtally::gui {

// "About yardbook": the icon, the version line, OK, and the terms the program comes
// under in a read-only box.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    static const QString kVersionLine;  // "yardbook Version 1.6"
    static const QString kDisclaimer;

    explicit AboutBox(QWidget* parent = nullptr);
    QPlainTextEdit* terms() const { return terms_; }

private:
    QPlainTextEdit* terms_;
};

}  // namespace gridtally::gui
