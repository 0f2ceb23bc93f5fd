#include "core/game/PlayMeasures.h"

#include <algorithm>
#include <cmath>

namespace gridtally {
namespace {

// 1 for quarters 1-2, 2 for 3-4, 3 for overtime; a play whose quarter was not read has
// the half of the play before it, the first plays of a game the first half.
std::vector<int> HalvesOf(const GamePlays& game) {
    std::vector<int> halves;
    int half = 1;
    for (const Play& play : game.plays) {
        if (play.quarter >= 1 && play.quarter <= 2) half = 1;
        if (play.quarter >= 3 && play.quarter <= 4) half = 2;
        if (play.quarter >= 5) half = 3;
        halves.push_back(half);
    }
    return halves;
}

bool IsRunPassOrSack(const Play& play) {
    return play.type == PlayType::Run || play.type == PlayType::Pass || play.type == PlayType::Sack;
}

bool OffenseTouchdown(const Play& play) {
    return play.touchdown && play.scoringSide == ScoringSide::Offense;
}

// The value of a score from `club`'s view.
double ValueFor(const Play& scored, const std::string& club) {
    double value = *ScoreValue(scored);
    return ScoringClub(scored) == club ? value : -value;
}

bool SuccessAt(std::int32_t down, std::int32_t toGo, std::int32_t gained) {
    double share = down == 1 ? 0.4 : down == 2 ? 0.6 : 1.0;
    return gained >= share * toGo;
}

}  // namespace

bool IsScrimmagePlay(const Play& play) {
    return play.down != 0 && play.type != PlayType::Kickoff && play.type != PlayType::ExtraPoint;
}

std::optional<std::int32_t> ScoreValue(const Play& play) {
    if (play.points <= 0 || play.type == PlayType::ExtraPoint) return std::nullopt;
    if (play.touchdown) return 7;
    if (play.safety) return 2;
    if (play.type == PlayType::FieldGoal) return 3;
    return play.points;
}

const std::string& ScoringClub(const Play& play) {
    return play.scoringSide == ScoringSide::Defense ? play.defense : play.offense;
}

std::string_view DriveResultName(DriveResult result) {
    static constexpr std::array<std::string_view, 10> kNames{
        "opp_touchdown", "safety",   "touchdown", "field_goal",  "missed_field_goal",
        "punt",          "turnover", "downs",     "end_of_half", "other"};
    return kNames[static_cast<std::size_t>(result)];
}

int EpModel::BucketOf(std::int32_t toGo) {
    if (toGo <= 1) return 0;
    if (toGo <= 3) return 1;
    if (toGo <= 6) return 2;
    if (toGo <= 10) return 3;
    return 4;
}

int EpModel::BinOf(std::int32_t yardLine) { return std::clamp(yardLine / 10, 0, kBins - 1); }

std::vector<std::optional<double>> NextScoreValues(const GamePlays& game) {
    std::vector<int> halves = HalvesOf(game);
    std::vector<std::optional<double>> values(game.plays.size());
    // From the last play back: the next score of the half, seen from each play.
    const Play* next = nullptr;
    for (std::size_t i = game.plays.size(); i-- > 0;) {
        const Play& play = game.plays[i];
        if (i + 1 < game.plays.size() && halves[i + 1] != halves[i]) next = nullptr;
        if (ScoreValue(play)) next = &play;
        bool read = play.down >= 1 && play.down <= 4 && play.toGo > 0 && play.yardLine >= 0;
        if (!IsScrimmagePlay(play) || !read) continue;
        values[i] = next ? ValueFor(*next, play.offense) : 0.0;
    }
    return values;
}

void EpModel::Add(const GamePlays& game) {
    std::vector<std::optional<double>> values = NextScoreValues(game);
    for (std::size_t i = 0; i < game.plays.size(); ++i) {
        if (!values[i]) continue;
        const Play& play = game.plays[i];
        auto& cell = cells_[static_cast<std::size_t>(
            ((play.down - 1) * kBuckets + BucketOf(play.toGo)) * kBins + BinOf(play.yardLine))];
        ++cell.plays;
        cell.sum += *values[i];
    }
}

void EpModel::Fit() {
    auto shrunk = [](double sum, double plays, double parent) {
        return (sum + kShrink * parent) / (plays + kShrink);
    };
    double sum = 0, plays = 0;
    std::array<double, kBins> binSum{}, binPlays{};
    for (int down = 1; down <= kDowns; ++down) {
        for (int bucket = 0; bucket < kBuckets; ++bucket) {
            for (int bin = 0; bin < kBins; ++bin) {
                const Cell& cell = At(down, bucket, bin);
                sum += cell.sum;
                plays += cell.plays;
                binSum[static_cast<std::size_t>(bin)] += cell.sum;
                binPlays[static_cast<std::size_t>(bin)] += cell.plays;
            }
        }
    }
    double mean = plays > 0 ? sum / plays : 0;
    for (int down = 1; down <= kDowns; ++down) {
        for (int bin = 0; bin < kBins; ++bin) {
            auto z = static_cast<std::size_t>(bin);
            double binMean = shrunk(binSum[z], binPlays[z], mean);
            double downSum = 0, downPlays = 0;
            for (int bucket = 0; bucket < kBuckets; ++bucket) {
                downSum += At(down, bucket, bin).sum;
                downPlays += At(down, bucket, bin).plays;
            }
            double downMean = shrunk(downSum, downPlays, binMean);
            for (int bucket = 0; bucket < kBuckets; ++bucket) {
                auto& cell = cells_[static_cast<std::size_t>(
                    ((down - 1) * kBuckets + bucket) * kBins + bin)];
                cell.estimate = shrunk(cell.sum, cell.plays, downMean);
            }
        }
    }
}

std::optional<double> EpModel::ExpectedPoints(const Play& play) const {
    if (play.down < 1 || play.down > 4 || play.toGo <= 0 || play.yardLine < 0) {
        return std::nullopt;
    }
    int bucket = BucketOf(play.toGo);
    double t = (play.yardLine - 4.5) / 10;
    if (t <= 0) return At(play.down, bucket, 0).estimate;
    if (t >= kBins - 1) return At(play.down, bucket, kBins - 1).estimate;
    int low = static_cast<int>(std::floor(t));
    double part = t - low;
    return (1 - part) * At(play.down, bucket, low).estimate +
           part * At(play.down, bucket, low + 1).estimate;
}

GameMeasures MeasureGame(const GamePlays& game, const EpModel* model) {
    const std::vector<Play>& plays = game.plays;
    std::vector<int> halves = HalvesOf(game);
    GameMeasures out;
    out.plays.resize(plays.size());

    // Drives: scrimmage plays in order, a new one at another offense, a kick-off between,
    // or another half.
    std::vector<std::size_t> scrimmage;
    bool kickoffSince = false;
    for (std::size_t i = 0; i < plays.size(); ++i) {
        if (plays[i].type == PlayType::Kickoff) kickoffSince = true;
        if (!IsScrimmagePlay(plays[i])) continue;
        bool starts = scrimmage.empty() || kickoffSince ||
                      plays[i].offense != plays[scrimmage.back()].offense ||
                      halves[i] != halves[scrimmage.back()];
        if (starts) {
            out.drives.emplace_back();
            out.drives.back().number = static_cast<std::int32_t>(out.drives.size());
        }
        out.drives.back().plays.push_back(i);
        out.plays[i].drive = out.drives.back().number;
        scrimmage.push_back(i);
        kickoffSince = false;
    }

    // Per play of a drive: yards gained, first down and success.
    for (Drive& drive : out.drives) {
        for (std::size_t k = 0; k < drive.plays.size(); ++k) {
            const Play& play = plays[drive.plays[k]];
            PlayMeasure& measure = out.plays[drive.plays[k]];
            const Play* next = k + 1 < drive.plays.size() ? &plays[drive.plays[k + 1]] : nullptr;
            if (next) {
                if (play.yardLine >= 0 && next->yardLine >= 0) {
                    measure.yardsGained = next->yardLine - play.yardLine;
                }
            } else if (OffenseTouchdown(play)) {
                if (play.yardLine >= 0) measure.yardsGained = 100 - play.yardLine;
            } else if (play.type == PlayType::Sack) {
                if (play.sackLoss >= 0) {
                    measure.yardsGained =
                        -(play.yardLine >= 0 ? std::min(play.sackLoss, play.yardLine)
                                             : play.sackLoss);
                }
            } else if ((play.type == PlayType::Run || play.type == PlayType::Pass) &&
                       !play.turnover) {
                measure.yardsGained = play.results.yards;
            }
            measure.firstDown = (next && next->down == 1) || OffenseTouchdown(play) ||
                                (!next && measure.yardsGained && *measure.yardsGained >= play.toGo);
            if (IsRunPassOrSack(play)) {
                if (OffenseTouchdown(play)) {
                    measure.success = true;
                } else if (play.turnover) {
                    measure.success = false;
                } else if (measure.yardsGained) {
                    measure.success = SuccessAt(play.down, play.toGo, *measure.yardsGained);
                }
            }
            if (measure.yardsGained) drive.yards += *measure.yardsGained;
            if (*measure.firstDown) ++drive.firstDowns;
        }
    }

    // Each drive's result and points.
    auto nextScrimmageInHalf = [&](std::size_t at) -> const Play* {
        auto after = std::upper_bound(scrimmage.begin(), scrimmage.end(), at);
        if (after == scrimmage.end() || halves[*after] != halves[at]) return nullptr;
        return &plays[*after];
    };
    for (Drive& drive : out.drives) {
        const Play& last = plays[drive.plays.back()];
        const std::string& offense = plays[drive.plays.front()].offense;
        bool oppTouchdown = false, safety = false, touchdown = false;
        for (std::size_t i : drive.plays) {
            const Play& play = plays[i];
            oppTouchdown =
                oppTouchdown || (play.touchdown && play.scoringSide == ScoringSide::Defense);
            safety = safety || play.safety;
            touchdown = touchdown || OffenseTouchdown(play);
            if (play.scoringSide == ScoringSide::Offense) drive.points += play.points;
        }
        const Play* following = nextScrimmageInHalf(drive.plays.back());
        if (oppTouchdown) {
            drive.result = DriveResult::OppTouchdown;
        } else if (safety) {
            drive.result = DriveResult::Safety;
        } else if (touchdown) {
            drive.result = DriveResult::Touchdown;
        } else if (last.type == PlayType::FieldGoal) {
            drive.result = last.points > 0 ? DriveResult::FieldGoal : DriveResult::MissedFieldGoal;
        } else if (last.type == PlayType::Punt) {
            drive.result = DriveResult::Punt;
        } else if (IsRunPassOrSack(last) && last.turnover) {
            drive.result = DriveResult::Turnover;
        } else if (last.down == 4 && following && following->offense != offense) {
            drive.result = DriveResult::Downs;
        } else if (!following) {
            drive.result = DriveResult::EndOfHalf;
        }
        // The extra point after its touchdown: the plays before the next scrimmage play.
        if (touchdown) {
            for (std::size_t i = drive.plays.back() + 1;
                 i < plays.size() && !IsScrimmagePlay(plays[i]); ++i) {
                const Play& play = plays[i];
                if (play.type == PlayType::ExtraPoint && play.offense == offense &&
                    play.scoringSide == ScoringSide::Offense) {
                    drive.points += play.points;
                }
            }
        }
    }

    if (!model) return out;
    for (std::size_t i : scrimmage) out.plays[i].ep = model->ExpectedPoints(plays[i]);
    for (std::size_t k = 0; k < scrimmage.size(); ++k) {
        std::size_t i = scrimmage[k];
        PlayMeasure& measure = out.plays[i];
        if (!measure.ep) continue;
        const Play& play = plays[i];
        if (ScoreValue(play)) {
            measure.epa = ValueFor(play, play.offense) - *measure.ep;
            continue;
        }
        const Play* next = nextScrimmageInHalf(i);
        if (!next) {
            measure.epa = -*measure.ep;
        } else if (std::optional<double> after = out.plays[scrimmage[k + 1]].ep) {
            measure.epa = (next->offense == play.offense ? *after : -*after) - *measure.ep;
        }
    }
    return out;
}

}  // namespace gridtally
