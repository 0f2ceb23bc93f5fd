#pragma once

#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/playcalls/PlayCallKey.h"
#include "core/playcalls/PlayCallRec.h"
#include "core/playcalls/PlayRec.h"

namespace gridtally {

// Play-call records by key text. The table owns its records. Its iteration order
// means nothing.
class PlayCallTable {
public:
    using Map = std::unordered_map<std::string, std::unique_ptr<PlayCallRec>>;

    // Adds one play's counters to the record of `keyText`, creating it when absent. An
    // offense kind sums all counters and leaves the call's running totals in `play`; the
    // defense kind (3) counts the play as faced and leaves `play` unchanged.
    void AddPlayResult(const std::string& keyText, PlayKind kind, PlayRec& play);
    // AddPlayResult under the play's own key and kind.
    void AddPlayCall(PlayRec& play);
    // Removes the record the play's key names; true if there was one.
    bool RemovePlayCall(PlayRec& play);
    // Appends a new PlayRec for every record of `team` and `kind`, ordered by play name
    // (bytewise), then by key text.
    void CollectPlayCalls(PlayKind kind, std::string_view team,
                          std::vector<std::unique_ptr<PlayRec>>& list) const;
    // Removes every record of `team`, or every record at all when `team` is empty.
    // Returns how many went.
    int RemoveTeamPlayCalls(std::string_view team);
    // Adds the clubs of the records that `names` does not hold yet; returns how many.
    int CollectTeamNames(std::set<std::string>& names) const;

    // Stores a record under `keyText`; a record already stored there is summed with it,
    // never replaced, so that no play is lost when names cut to one key meet.
    void Store(const std::string& keyText, std::unique_ptr<PlayCallRec> record);

    const PlayCallRec* Find(const std::string& keyText) const;
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const Map& records() const { return records_; }
    void Clear() {
        records_.clear();
        created_.clear();
    }

    // Keeps the keys in the order their records were created, so that another table can
    // take this one's records in that order (and so iterate as if it had read the plays).
    void KeepCreationOrder() { keepOrder_ = true; }
    const std::vector<std::string>& CreationOrder() const { return created_; }
    // Adds every record of `other` in its creation order, as Store does, taking them.
    void AddTable(PlayCallTable&& other);

private:
    Map records_;
    bool keepOrder_ = false;
    std::vector<std::string> created_;
};

// Adds every counter of `from` to `to`.
void AddCounters(PlayCallRec& to, const PlayCallRec& from);

}  // namespace gridtally
