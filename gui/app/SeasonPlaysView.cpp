#include "gui/app/SeasonPlaysView.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

#include "core/game/PlayTable.h"
#include "core/lists/StableSort.h"
#include "core/text/Latin1.h"
#include "gui/app/SeasonDoc.h"
#include "gui/lists/PageModel.h"
#include "gui/lists/PageTableView.h"

namespace gridtally::gui {

class SeasonPlaysView::PlaysModel : public PageModel {
public:
    explicit PlaysModel(SeasonDoc& season) : season_(season) {
        for (const DataColumn& column : season_.PlayRows().columns) {
            if (column.name == "clock") clock_ = columns_.size();
            if (column.name == "text") text_ = columns_.size();
            columns_.push_back({PlayColumnWords(column.name), column.name == "text" ? 600 : 90,
                                ColumnAlign::Left, static_cast<int>(columns_.size()) * 1200,
                                PlayColumnMeaning(column.name)});
        }
    }

    // The play's text, whole, for the tooltip of its row and the pane below.
    QString TextOfRow(int row) const {
        if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return {};
        return QString::fromStdString(
            CellToUtf8(season_.PlayRows().rows[rows_[static_cast<std::size_t>(row)]][text_]));
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::ToolTipRole && index.isValid()) return TextOfRow(index.row());
        return PageModel::data(index, role);
    }

    std::string Title() const override { return "Plays"; }
    std::span<const ListColumn> Columns() const override { return columns_; }
    CsvTable Table() const override {
        CsvTable shown = season_.PlayRows().ToCsv();
        shown.rows.clear();
        for (std::size_t row : rows_) shown.rows.push_back(season_.PlayRows().rows[row]);
        return shown;
    }
    void SetSearch(const QString& text) { search_ = text; }

protected:
    void CollectRows() override {
        rows_.clear();
        const DataTable& table = season_.PlayRows();
        const PlayFilter& filter = season_.filter();
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            const Play& play = *season_.PlayOfRow()[i];
            if (!Season::PlayOfClub(play, season_.club())) continue;
            if (!filter.Empty() && !filter.Accepts(play)) continue;
            if (!search_.isEmpty() && !Matches(table.rows[i])) continue;
            rows_.push_back(i);
        }
    }
    std::size_t RowCount() const override { return rows_.size(); }
    std::vector<std::string> CellsOfRow(std::size_t row) const override {
        std::vector<std::string> cells = season_.PlayRows().rows[rows_[row]];
        cells[clock_] = ClockText(cells[clock_]);
        return cells;
    }
    bool IsTextColumn(int column) const override {
        return season_.PlayRows().columns[static_cast<std::size_t>(column)].type ==
               ColumnType::Text;
    }
    bool SortRows(int column) override {
        if (column < 0 || column >= static_cast<int>(columns_.size())) return false;
        const auto& rows = season_.PlayRows().rows;
        auto at = static_cast<std::size_t>(column);
        bool text = IsTextColumn(column);
        StableSort(std::span<std::size_t>(rows_), [&](std::size_t a, std::size_t b) {
            const std::string& x = rows[a][at];
            const std::string& y = rows[b][at];
            if (text || x.empty() || y.empty()) {
                if (x.empty() != y.empty()) return x.empty() ? 1 : -1;  // no value last
                return CompareCells(x, y);
            }
            long long p = std::stoll(x), q = std::stoll(y);
            return p == q ? 0 : p > q ? -1 : 1;
        });
        return true;
    }

private:
    bool Matches(const std::vector<std::string>& row) const {
        for (const std::string& cell : row) {
            if (QString::fromStdString(CellToUtf8(cell)).contains(search_, Qt::CaseInsensitive))
                return true;
        }
        return false;
    }

    SeasonDoc& season_;
    std::vector<ListColumn> columns_;
    std::size_t clock_ = 0;
    std::size_t text_ = 0;
    std::vector<std::size_t> rows_;
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
