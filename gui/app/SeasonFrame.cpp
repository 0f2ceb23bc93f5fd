#include "gui/app/SeasonFrame.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/game/PlayFilter.h"
#include "core/text/Latin1.h"
#include "gui/app/ClubViews.h"
#include "gui/app/FolderWatch.h"
#include "gui/app/SeasonDoc.h"
#include "gui/app/SeasonGamesView.h"
#include "gui/app/SeasonPlaysView.h"
#include "gui/framework/MdiMainWindow.h"
#include "gui/framework/Printing.h"

namespace gridtally::gui {
namespace {

QString Shown(const std::string& latin1) { return QString::fromLatin1(latin1.c_str()); }

// The names a criterion's values have in the bar.
QString ValueLabel(FilterCriterion criterion, std::string_view value) {
    QString text = QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
    if (criterion == FilterCriterion::Quarter && value == "5") return QObject::tr("OT");
    text.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}

}  // namespace

SeasonFrame::SeasonFrame(QWidget* parent) : ChildFrame(parent) {}

bool SeasonFrame::TakeCommand(int id, bool run) {
    switch (id) {
        case command::kFilePrint:
            return HasClubPages() && Take(run, [this] { PrintWithDialog(*gamesView, this); });
        case command::kFilePrintPreview:
            return HasClubPages() && Take(run, [this] { PrintPreview(*gamesView, this); });
        default:
            return ChildFrame::TakeCommand(id, run);
    }
}

bool SeasonFrame::OnCreateClient(const CreateContext& context) {
    season_ = dynamic_cast<SeasonDoc*>(context.document);
    if (!season_) return false;
    context_ = context;

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(4, 4, 4, 0);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    // Each label's first letter that neither an earlier label nor a menu (File, Edit,
    // View, Window, Help) has is its Alt key; Tab goes through the bar as it reads.
    QString taken = QStringLiteral("fevwh");
    QWidget* last = nullptr;
    auto addChoice = [&](QString label, QComboBox* combo) {
        for (qsizetype i = 0; i < label.size(); ++i) {
            QChar letter = label[i].toLower();
            if (!letter.isLetter() || taken.contains(letter)) continue;
            taken += letter;
            label.insert(i, QLatin1Char('&'));
            break;
        }
        auto* text = new QLabel(label, client);
        text->setBuddy(combo);
        bar->addWidget(text);
        bar->addWidget(combo);
        if (last) setTabOrder(last, combo);
        last = combo;
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { ApplyChoices(); });
    };
    clubChoice = new QComboBox(client);
    opponentChoice = new QComboBox(client);
    ListClubs();
    addChoice(tr("Club"), clubChoice);
    for (const FilterValues& values : FilterCriteria()) {
        if (values.criterion == FilterCriterion::Kind) continue;
        auto* combo = new QComboBox(client);
        combo->addItem(tr("All"));
        for (std::string_view value : values.allowed)
            combo->addItem(ValueLabel(values.criterion, value));
        QString option = QString::fromLatin1(values.option.substr(2).data(),
                                             static_cast<qsizetype>(values.option.size() - 2));
        option[0] = option[0].toUpper();
        criterionChoices.emplace_back(static_cast<int>(values.criterion), combo);
        addChoice(option, combo);
    }
    addChoice(tr("Opponent"), opponentChoice);
    bar->addStretch(1);

    counted = new QLabel(client);
    counted->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(counted);

    tabs = new TabWindow(client);
    setTabOrder(last, tabs);  // from the bar to the tabs, and from there into the page
    layout->addWidget(tabs, 1);
    setWidget(client);
    gamesView = dynamic_cast<SeasonGamesView*>(
        tabs->AddViewTab(MakeView<SeasonGamesView>(std::cref(*season_)), tr("Games"), context));
    // Not a view of the document: it is no page of the club's printout.
    playsView = new SeasonPlaysView(*season_, tabs);
    tabs->addTab(playsView, tr("Plays"));
    MakeClubTabs();
    tabs->setCurrentIndex(2);
    ShowWhatIsCounted();
    made_ = true;
    if (!season_->folder().isEmpty()) {
        watch =
            new FolderWatch(season_->folder(), season_->readFrom(), std::chrono::seconds(1), this);
        connect(watch, &FolderWatch::changed, this,
                [this](const QStringList& settled, const QStringList& removed) {
                    season_->Follow(settled, removed);
                });
        season_->followed = [this](const SeasonDoc::Changes& changes,
                                   const SeasonDoc::PassedOver& passed) {
            Followed(changes, passed);
        };
    }
    return true;
}

void SeasonFrame::Followed(const SeasonDoc::Changes& changes, const SeasonDoc::PassedOver& passed) {
    QStringList unread;
    for (const auto& [path, why] : passed) unread << QFileInfo(path).fileName() + ": " + why;
    QString passedOver = unread.isEmpty() ? QString() : tr("Passed over %1").arg(unread.join("; "));
    auto* main = qobject_cast<QMainWindow*>(window());
    if (changes.empty()) {
        if (main && !passedOver.isEmpty()) main->statusBar()->showMessage(passedOver);
        return;
    }
    ListClubs();
    playsView->Refill(UpdateHint::Follow);
    ShowWhatIsCounted();

    // One game is told with its score; several by their files, what happened to each.
    QString message;
    if (changes.size() == 1) {
        const auto& [path, change] = changes.front();
        QString name = QFileInfo(path).fileName();
        message = tr("Game left the season: %1").arg(name);
        const auto& games = season_->season().games();
        auto game = std::find_if(games.begin(), games.end(), [&](const SeasonGame& g) {
            return QFile::decodeName(g.file.c_str()) == path;
        });
        if (change != Season::Change::Removed && game != games.end()) {
            QString score = tr("%1 %2 - %3 %4")
                                .arg(Shown(game->clubs[0]))
                                .arg(game->finalScore[0])
                                .arg(Shown(game->clubs[1]))
                                .arg(game->finalScore[1]);
            message = (change == Season::Change::Added ? tr("Game joined the season: %1, %2")
                                                       : tr("Game read again: %1, %2"))
                          .arg(name, score);
        }
    } else {
        QStringList parts;
        for (auto [kind, words] : {std::pair{Season::Change::Added, tr("Games joined the season")},
                                   std::pair{Season::Change::Replaced, tr("read again")},
                                   std::pair{Season::Change::Removed, tr("left")}}) {
            QStringList names;
            for (const auto& [path, change] : changes) {
                if (change == kind) names.append(QFileInfo(path).fileName());
            }
            if (!names.isEmpty()) parts.append(words + QStringLiteral(": ") + names.join(", "));
        }
        message = parts.join(QStringLiteral("; "));
    }
    if (!passedOver.isEmpty()) message += QStringLiteral("; ") + passedOver;
    if (main) main->statusBar()->showMessage(message);
}

void SeasonFrame::ListClubs() {
    std::vector<std::string> clubs = season_->season().Clubs();
    // The user's choices stay, even of a club whose games have all left. At first the
    // club is the first club, the opponent "All".
    auto relist = [&](QComboBox* combo, int first) {
        int index = combo->currentIndex();
        QString chosen = combo->currentText();
        QSignalBlocker quiet(combo);
        combo->clear();
        combo->addItem(tr("All"));
        for (const std::string& club : clubs) combo->addItem(Shown(club));
        if (index > 0 && combo->findText(chosen, Qt::MatchExactly) < 1) combo->addItem(chosen);
        combo->setCurrentIndex(index < 0 ? first : index == 0 ? 0 : combo->findText(chosen));
    };
    relist(clubChoice, clubs.empty() ? 0 : 1);
    relist(opponentChoice, 0);
}

void SeasonFrame::MakeClubTabs() {
    int shown = clubTabs ? clubTabs->currentIndex() : 0;
    if (clubTabs) {
        tabs->removeTab(tabs->indexOf(clubTabs));
        delete clubTabs;  // its views leave the document with it
    }
    clubTabs = nullptr;
    // "All" clubs have no pages of a club's own: the Games and Plays pages remain.
    std::string label = season_->club();
    if (label.empty()) {
        tabs->setCurrentIndex(0);
        return;
    }
    clubTabs = new TabWindow(tabs);
    clubTabs->setTabPosition(QTabWidget::South);
    std::vector<View*> made = AddClubViews(*clubTabs, season_->figures(), label, context_, true,
                                           [this] { return season_->filter().Describe(); });
    int at = tabs->count();
    tabs->addTab(clubTabs, Shown(label));
    // Views made after the window first showed get their first update here.
    if (made_) {
        for (View* view : made) {
            if (view) view->OnInitialUpdate();
        }
    }
    clubTabs->setCurrentIndex(std::max(0, shown));
    tabs->setCurrentIndex(at);
}

void SeasonFrame::ApplyChoices() {
    if (!season_) return;
    PlayFilter filter;
    for (const auto& [criterion, combo] : criterionChoices) {
        int index = combo->currentIndex();
        if (index <= 0) continue;
        const FilterValues& values = *std::find_if(
            FilterCriteria().begin(), FilterCriteria().end(),
            [&](const FilterValues& v) { return static_cast<int>(v.criterion) == criterion; });
        AddFilterValues(filter, values.criterion,
                        values.allowed[static_cast<std::size_t>(index - 1)]);
    }
    if (opponentChoice->currentIndex() > 0) {
        filter.opponent.push_back(opponentChoice->currentText().toLatin1().toStdString());
    }
    std::string club =
        clubChoice->currentIndex() > 0 ? clubChoice->currentText().toLatin1().toStdString() : "";
    // The club's pages are made for their club: another club makes them anew, another
    // filter refills them.
    bool otherClub = club != season_->club();
    season_->Choose(club, filter);
    if (otherClub) MakeClubTabs();
    // Print follows whether there are club's pages: the toolbar says so at once.
    if (auto* main = dynamic_cast<MdiMainWindow*>(window())) main->UpdateActions();
    playsView->Refill(otherClub ? UpdateHint::Refill : UpdateHint::Follow);
    ShowWhatIsCounted();
}

void SeasonFrame::ShowWhatIsCounted() {
    setWindowTitle(season_->Described());
    counted->setText(QString::fromStdString(Latin1ToUtf8(season_->countText())));
}

}  // namespace gridtally::gui
