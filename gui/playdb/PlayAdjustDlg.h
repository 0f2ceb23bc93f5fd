#pragma once

#include <QDialog>

#include "core/lists/PlayAdjustment.h"

class QCheckBox;
class QRadioButton;

namespace gridtally::gui {

// "Play Adjustment Dialog": run or pass, or delete the play from the list. A small
// pop-up without a title bar; the caller acts on its answer only after OK.
class PlayAdjustDlg : public QDialog {
    Q_OBJECT

public:
    explicit PlayAdjustDlg(QWidget* parent = nullptr);

    // `playType` ticks "Run Play" (0) or "Pass Play" (1); any other value neither.
    void SetAnswer(const PlayAdjustment& answer);
    const PlayAdjustment& answer() const { return answer_; }

    QRadioButton* runButton() const { return run_; }
    QRadioButton* passButton() const { return pass_; }
    QCheckBox* deleteBox() const { return delete_; }

private:
    PlayAdjustment answer_;
    QRadioButton* run_;
    QRadioButton* pass_;
    QCheckBox* delete_;
};

}  // namespace gridtally::gui
