#include "gui/app/SeasonGamesView.h"

#include <QFile>
#include <array>

#include "core/lists/StableSort.h"
#include "core/text/Latin1.h"
#include "gui/app/SeasonDoc.h"
#include "gui/framework/MdiMainWindow.h"
#include "gui/framework/Printing.h"
#include "gui/lists/PageModel.h"

namespace gridtally::gui {
namespace {

class GamesModel : public PageModel {
public:
    explicit GamesModel(const SeasonDoc& season) : season_(season) {}

    std::string Title() const override { return "Games"; }
    std::span<const ListColumn> Columns() const override { return Season::GamesColumns(); }
    CsvTable Table() const override {
        ExportPage all = season_.season().GamesExport(season_.filter(), season_.club());
        CsvTable shown{all.table.header, {}};
        for (std::size_t game : order_) shown.rows.push_back(all.table.rows[game]);
        return shown;
    }
    const SeasonGame* GameOfRow(std::size_t row) const { return games_.at(order_.at(row)); }

protected:
    // The club's games, and under a filter those holding a play it chooses.
    void CollectRows() override {
        page_ = season_.season().GamesPage(season_.filter(), season_.club());
        games_.clear();
        for (auto [game, plays] : season_.season().GamesListed(season_.filter(), season_.club()))
            games_.push_back(game);
        order_.resize(page_.rows.size());
        for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
    }
    std::size_t RowCount() const override { return order_.size(); }
    std::vector<std::string> CellsOfRow(std::size_t row) const override {
        return page_.rows[order_[row]];
    }
    bool IsTextColumn(int column) const override { return column < Season::kGamesTextColumns; }
    bool SortRows(int column) override {
        if (column < 0 || column >= static_cast<int>(Season::GamesColumns().size())) return false;
        std::vector<std::string> cells;
        for (std::size_t row : order_)
            cells.push_back(page_.rows[row][static_cast<std::size_t>(column)]);
        std::vector<std::size_t> sorted;
        for (std::size_t at : SortedByCells(cells, IsTextColumn(column)))
            sorted.push_back(order_[at]);
        order_ = std::move(sorted);
        return true;
    }

private:
    const SeasonDoc& season_;
    PrintoutPage page_;
    std::vector<const SeasonGame*> games_;  // per row of the page
    std::vector<std::size_t> order_;
};

}  // namespace

SeasonGamesView::SeasonGamesView(const SeasonDoc& season, QWidget* parent)
    : PageTableView(std::make_unique<GamesModel>(season), parent) {
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        auto* main = dynamic_cast<MdiMainWindow*>(window());
        QString file = FileOfRow(index.row());
        if (main && !file.isEmpty()) main->OpenDocumentFile(file);
    });
}

QString SeasonGamesView::FileOfRow(int row) const {
    auto* season = dynamic_cast<const SeasonDoc*>(document());
    auto& model = static_cast<GamesModel&>(pageModel());
    if (!season || row < 0 || row >= model.rowCount()) return {};
    return QFile::decodeName(model.GameOfRow(static_cast<std::size_t>(row))->file.c_str());
}

bool SeasonGamesView::OnPreparePrinting(PrintInfo& info) {
    info.maxPage = 7;  // the club's pages
    return true;
}

void SeasonGamesView::OnPrint(QPainter& painter, PrintInfo& info) {
    PrintPageThroughViews(*this, painter, info);
}

QString SeasonGamesView::PrintedDocumentName() const {
    auto* season = dynamic_cast<const SeasonDoc*>(document());
    return season ? season->Described() : QString();
}

}  // namespace gridtally::gui
