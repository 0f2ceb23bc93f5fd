#include "core/playcalls/PlayCallTable.h"

#include <algorithm>

#include "core/model/Counter.h"

namespace gridtally {

void PlayCallTable::AddPlayResult(const std::string& keyText, PlayKind kind, PlayRec& play) {
    std::unique_ptr<PlayCallRec>& slot = records_[keyText];
    if (!slot) {
        slot = std::make_unique<PlayCallRec>();
        if (keepOrder_) created_.push_back(keyText);
    }
    PlayCallRec& record = *slot;
    const PlayCallRec& p = play.results;

    if (kind != PlayKind::Defense) {
        AddCounters(record, p);
        play.results = record;
        return;
    }

    // A defensive call counts the play itself: the parser credits it before the play's
    // own `calls` is set.
    AddTo(record.calls, 1);
    AddTo(record.sacks, p.sacks);
    AddTo(record.fumbles, p.fumbles);
    AddTo(record.interceptions, p.interceptions);
    AddTo(record.touchdowns, p.touchdowns);
    AddTo(record.defTouchdowns, p.defTouchdowns);
    AddTo(record.spare, p.spare);
    if (play.key.kind == PlayKind::Run) {
        AddTo(record.runsFaced, 1);
        AddTo(record.runYardsAllowed, p.yards);
    } else if (play.key.kind == PlayKind::Pass) {
        AddTo(record.passesFaced, 1);
        AddTo(record.passYardsAllowed, p.yards);
    }
    AddTo(record.safeties, p.safeties);
}

void PlayCallTable::AddPlayCall(PlayRec& play) {
    AddPlayResult(BuildKeyText(play.key), play.key.kind, play);
}

bool PlayCallTable::RemovePlayCall(PlayRec& play) {
    return records_.erase(BuildKeyText(play.key)) > 0;
}

void PlayCallTable::CollectPlayCalls(PlayKind kind, std::string_view team,
                                     std::vector<std::unique_ptr<PlayRec>>& list) const {
    std::size_t first = list.size();
    for (const auto& [keyText, record] : records_) {
        PlayCallKey key;
        SplitKeyText(keyText, key);
        if (!IsKeyNameOf(key.team, team) || key.kind != kind) continue;
        auto play = std::make_unique<PlayRec>();
        play->key = key;
        play->key.keyText = keyText;
        play->results = *record;
        list.push_back(std::move(play));
    }
    // The table's own order means nothing; lists start in the order of the play names.
    std::sort(list.begin() + static_cast<std::ptrdiff_t>(first), list.end(),
              [](const auto& a, const auto& b) {
                  if (a->key.play.view() != b->key.play.view()) {
                      return a->key.play.view() < b->key.play.view();
                  }
                  return a->key.keyText < b->key.keyText;
              });
}

int PlayCallTable::RemoveTeamPlayCalls(std::string_view team) {
    int removed = 0;
    for (auto it = records_.begin(); it != records_.end();) {
        PlayCallKey key;
        SplitKeyText(it->first, key);
        if (team.empty() || IsKeyNameOf(key.team, team)) {
            it = records_.erase(it);
            ++removed;
        } else {
            ++it;
        }
    }
    return removed;
}

int PlayCallTable::CollectTeamNames(std::set<std::string>& names) const {
    int added = 0;
    for (const auto& entry : records_) {
        PlayCallKey key;
        SplitKeyText(entry.first, key);
        if (names.insert(key.team.str()).second) ++added;
    }
    return added;
}

void PlayCallTable::Store(const std::string& keyText, std::unique_ptr<PlayCallRec> record) {
    std::unique_ptr<PlayCallRec>& slot = records_[keyText];
    if (slot) {
        AddCounters(*slot, *record);
    } else {
        slot = std::move(record);
        if (keepOrder_) created_.push_back(keyText);
    }
}

void PlayCallTable::AddTable(PlayCallTable&& other) {
    for (const std::string& keyText : other.created_) {
        Store(keyText, std::move(other.records_.at(keyText)));
    }
    other.Clear();
}

void AddCounters(PlayCallRec& to, const PlayCallRec& from) {
    for (const PlayCallCounterField& field : kPlayCallCounterFields) {
        AddTo(to.*field.member, from.*field.member);
    }
}

const PlayCallRec* PlayCallTable::Find(const std::string& keyText) const {
    auto it = records_.find(keyText);
    return it == records_.end() ? nullptr : it->second.get();
}

}  // namespace gridtally
