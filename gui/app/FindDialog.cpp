#include "gui/app/FindDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gridtally::gui {

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent),
      what_(new QLineEdit),
      matchCase_(new QCheckBox(tr("Match &case"))),
      up_(new QCheckBox(tr("Search &up"))),
      result_(new QLabel) {
    setWindowTitle(tr("Find"));
    auto* form = new QFormLayout;
    form->addRow(tr("Fi&nd what:"), what_);
    form->addRow(matchCase_);
    form->addRow(up_);

    auto* buttons = new QDialogButtonBox;
    QPushButton* next = buttons->addButton(tr("&Find Next"), QDialogButtonBox::AcceptRole);
    next->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close);
    // Find Next keeps the window open; only Close closes it.
    connect(next, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    next->setEnabled(false);
    connect(what_, &QLineEdit::textChanged, this,
            [next](const QString& text) { next->setEnabled(!text.isEmpty()); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(result_);
    layout->addWidget(buttons);
    // A new search text starts without the last one's result.
    connect(what_, &QLineEdit::textChanged, result_, &QLabel::clear);
}

void FindDialog::ShowResult(const QString& result) { result_->setText(result); }

QString FindDialog::result() const { return result_->text(); }

QString FindDialog::text() const { return what_->text(); }

QTextDocument::FindFlags FindDialog::flags() const {
    QTextDocument::FindFlags flags;
    if (matchCase_->isChecked()) flags |= QTextDocument::FindCaseSensitively;
    if (up_->isChecked()) flags |= QTextDocument::FindBackward;
    return flags;
}

}  // namespace gridtally::gui
