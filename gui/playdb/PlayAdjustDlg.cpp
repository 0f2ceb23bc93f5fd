#include "gui/playdb/PlayAdjustDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gridtally::gui {

PlayAdjustDlg::PlayAdjustDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      run_(new QRadioButton(tr("Run Play"))),
      pass_(new QRadioButton(tr("Pass Play"))),
      delete_(new QCheckBox(tr("Delete Play From List"))) {
    setObjectName(QStringLiteral("PlayAdjustDlg"));
    // Without a title bar the dialog needs a frame of its own to stand out.
    setStyleSheet(QStringLiteral("#PlayAdjustDlg { border: 1px solid palette(dark); }"));

    auto* group = new QGroupBox(tr("Play Adjustment Dialog"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(run_);
    groupLayout->addWidget(pass_);
    groupLayout->addSpacing(6);
    groupLayout->addWidget(delete_);
    // Neither kind may be ticked, so the buttons are not an exclusive group of Qt's.
    run_->setAutoExclusive(false);
    pass_->setAutoExclusive(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    connect(run_, &QRadioButton::clicked, this, [this] {
        run_->setChecked(true);
        pass_->setChecked(false);
        answer_.playType = 0;
    });
    connect(pass_, &QRadioButton::clicked, this, [this] {
        pass_->setChecked(true);
        run_->setChecked(false);
        answer_.playType = 1;
    });
    connect(delete_, &QCheckBox::toggled, this, [this](bool on) { answer_.deletePlay = on; });
}

void PlayAdjustDlg::SetAnswer(const PlayAdjustment& answer) {
    answer_ = answer;
    run_->setChecked(answer.playType == 0);
    pass_->setChecked(answer.playType == 1);
    delete_->setChecked(answer.deletePlay);
}

}  // namespace gridtally::gui
