#include "gui/app/SeasonPlaysView.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>
#include <filesystem>

#include "core/game/PlayTable.h"
#include "core/lists/StableSort.h"
#include "core/model/LogReader.h"
#include "core/text/Latin1.h"
#include "gui/app/SeasonDoc.h"
#include "gui/lists/PageModel.h"
#include "gui/lists/PageTableView.h"

namespace gridtally::gui {

// Rows are places of plays in the season as it stood at the last refill (held, so a
// change of the season on the worker never pulls a row away); their cells are made as
// they are shown, since a season may hold hundreds of thousands of plays.
class SeasonPlaysView::PlaysModel : public PageModel {
public:
    explicit PlaysModel(SeasonDoc& season)
        : doc_(season), season_(season.sharedSeason()), measures_(season.sharedMeasures()) {
        for (const DataColumn& column : EmptyPlayTable().columns) {
            if (column.name == "clock") clock_ = columns_.size();
            textColumns_.push_back(column.type == ColumnType::Text);
            columns_.push_back({PlayColumnWords(column.name), column.name == "text" ? 600 : 90,
                                ColumnAlign::Left, static_cast<int>(columns_.size()) * 1200,
                                PlayColumnMeaning(column.name)});
        }
    }

    // The play's text, whole, for the tooltip of its row and the pane below.
    QString TextOfRow(int row) const {
        if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return {};
        return QString::fromStdString(CellToUtf8(Text(rows_[static_cast<std::size_t>(row)])));
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::ToolTipRole && index.isValid()) return TextOfRow(index.row());
        return PageModel::data(index, role);
    }

    std::string Title() const override { return "Plays"; }
    std::span<const ListColumn> Columns() const override { return columns_; }
    CsvTable Table() const override {
        CsvTable shown = EmptyPlayTable().ToCsv();
        for (Place place : rows_) shown.rows.push_back(Cells(place));
        return shown;
    }
    std::string RowKey(std::size_t row) const override {
        const SeasonGame& game = season_->games()[rows_[row].game];
        return game.file + '#' + std::to_string(game.plays->plays[rows_[row].play].seq);
    }
    void SetSearch(const QString& text) { search_ = text; }

protected:
    bool CellsOnDemand() const override { return true; }
    void CollectRows() override {
        season_ = doc_.sharedSeason();
        measures_ = doc_.sharedMeasures();
        rows_.clear();
        const PlayFilter& filter = doc_.filter();
        const auto& games = season_->games();
        for (std::uint32_t g = 0; g < games.size(); ++g) {
            const auto& plays = games[g].plays->plays;
            for (std::uint32_t p = 0; p < plays.size(); ++p) {
                if (!Season::PlayOfClub(plays[p], doc_.club())) continue;
                if (!filter.Empty() && !filter.Accepts(plays[p])) continue;
                if (!search_.isEmpty() && !Matches({g, p})) continue;
                rows_.push_back({g, p});
            }
        }
    }
    std::size_t RowCount() const override { return rows_.size(); }
    std::vector<std::string> CellsOfRow(std::size_t row) const override {
        std::vector<std::string> cells = Cells(rows_[row]);
        cells[clock_] = ClockText(cells[clock_]);
        return cells;
    }
    bool IsTextColumn(int column) const override {
        return textColumns_[static_cast<std::size_t>(column)];
    }
    bool SortRows(int column) override {
        if (column < 0 || column >= static_cast<int>(columns_.size())) return false;
        auto at = static_cast<std::size_t>(column);
        std::vector<std::string> keys(rows_.size());
        for (std::size_t i = 0; i < rows_.size(); ++i) keys[i] = std::move(Cells(rows_[i])[at]);
        std::vector<Place> sorted;
        sorted.reserve(rows_.size());
        for (std::size_t i : SortedByCells(keys, IsTextColumn(column))) sorted.push_back(rows_[i]);
        rows_ = std::move(sorted);
        return true;
    }

private:
    struct Place {
        std::uint32_t game = 0;
        std::uint32_t play = 0;
    };

    std::string Text(Place place) const {
        const SeasonGame& game = season_->games()[place.game];
        if (!game.fileBytes) return {};
        const Play& play = game.plays->plays[place.play];
        return StatementText(*game.fileBytes, {play.textOffset, play.textLength});
    }
    // The row as the core's play table has it.
    std::vector<std::string> Cells(Place place) const {
        const SeasonGame& game = season_->games()[place.game];
        auto name = [&](std::int32_t at) {
            if (at < 0 || static_cast<std::size_t>(at) >= game.players.size()) return std::string();
            return season_->players()[game.players[static_cast<std::size_t>(at)]].name;
        };
        const PlayMeasure* measure = place.game < measures_->games.size()
                                         ? &measures_->games[place.game].plays[place.play]
                                         : nullptr;
        return PlayRowCells(FileNameCell(std::filesystem::path(game.file).filename().string()),
                            *game.plays, game.plays->plays[place.play], name, Text(place), measure);
    }
    bool Matches(Place place) const {
        std::string joined;
        for (const std::string& cell : Cells(place)) (joined += cell) += '\t';
        return QString::fromStdString(CellToUtf8(joined)).contains(search_, Qt::CaseInsensitive);
    }

    SeasonDoc& doc_;
    std::shared_ptr<const Season> season_;
    std::shared_ptr<const SeasonMeasures> measures_;
    std::vector<ListColumn> columns_;
    std::vector<bool> textColumns_;
    std::size_t clock_ = 0;
    std::vector<Place> rows_;
    QString search_;
};

SeasonPlaysView::SeasonPlaysView(SeasonDoc& season, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* search = new QLineEdit(this);
    search->setPlaceholderText(tr("Search the plays: a name, a call, words of the play"));
    search->setClearButtonEnabled(true);
    layout->addWidget(search);
    auto model = std::make_unique<PlaysModel>(season);
    model_ = model.get();
    table = new PageTableView(std::move(model), this);
    // Tens of thousands of rows: one height for all, and widths from the first rows, or
    // laying out every cell would take seconds.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setResizeContentsPrecision(100);
    table->setWordWrap(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table);
    playText = new QPlainTextEdit(split);
    playText->setReadOnly(true);
    playText->setPlaceholderText(tr("The play's text, when a play is selected"));
    split->addWidget(playText);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                playText->setPlainText(model_->TextOfRow(current.row()));
            });
    connect(search, &QLineEdit::textChanged, this, &SeasonPlaysView::Search);
    Refill();
}

void SeasonPlaysView::Refill(UpdateHint hint) { table->OnUpdate(nullptr, hint, nullptr); }

void SeasonPlaysView::Search(const QString& text) {
    model_->SetSearch(text);
    Refill();
}

}  // namespace gridtally::gui
