#include "gui/lists/CaptionedPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/lists/PageModel.h"
#include "gui/lists/PageTableView.h"

namespace gridtally::gui {

CaptionedPage::CaptionedPage(PageTableView* view, QWidget* parent, QWidget* body)
    : QWidget(parent), view_(view), caption_(new QLabel(this)) {
    QFont font = caption_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    caption_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(body ? body : view_, 1);
    connect(&view_->pageModel(), &QAbstractItemModel::modelReset, this,
            &CaptionedPage::UpdateCaption);
    UpdateCaption();
}

QString CaptionedPage::caption() const { return caption_->text(); }

void CaptionedPage::UpdateCaption() {
    caption_->setText(QString::fromLatin1(view_->pageModel().Title()));
}

}  // namespace gridtally::gui
