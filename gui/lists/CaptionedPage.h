#pragma once

#include <QWidget>

class QLabel;

namespace gridtally::gui {

class PageTableView;

// A list page under a caption that names what it shows ("Hillcrest - Running Plays"),
// kept up to date at every refill: a Play DB's pages show whichever club is current.
class CaptionedPage : public QWidget {
    Q_OBJECT

public:
    // Takes `view` into the page, or `body`, a widget that holds it (with a chart).
    explicit CaptionedPage(PageTableView* view, QWidget* parent = nullptr, QWidget* body = nullptr);

    PageTableView* view() const { return view_; }
    QString caption() const;

private:
    void UpdateCaption();

    PageTableView* view_;
    QLabel* caption_;
};

}  // namespace gridtally::gui
