#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "core/lists/PlayAdjustment.h"
#include "core/playcalls/PlayRec.h"
#include "core/playdb/PlayDB.h"

namespace gridtally {
namespace {

struct Counts {
    std::int32_t calls, yards, sacks;
};

PlayRec Record(PlayKind kind, Counts counts) {
    PlayRec record;
    record.key.team = "Otters";
    record.key.play = "Dive";
    record.key.kind = kind;
    BuildKeyText(record.key);
    record.results.calls = counts.calls;
    record.results.yards = counts.yards;
    record.results.sacks = counts.sacks;
    return record;
}

std::optional<Counts> Stored(const PlayDB& db, PlayKind kind) {
    PlayRec probe = Record(kind, {});
    const PlayCallRec* found = db.playCalls.Find(probe.key.keyText);
    if (!found) return std::nullopt;
    return Counts{found->calls, found->yards, found->sacks};
}

void Put(PlayDB& db, const PlayRec& record) {
    db.playCalls.Store(record.key.keyText, std::make_unique<PlayCallRec>(record.results));
}

TEST(AdjustPlayCall, FollowsTheDialogsAnswerInItsOrderOfPrecedence) {
    struct Case {
        const char* name;
        PlayListKind list;
        PlayAdjustment answer;
        std::optional<Counts> passBefore;
        AdjustmentResult result;
        std::optional<Counts> runAfter, passAfter;
    };
    const Counts run{2, -3, 0};
    const Counts pass{5, 40, 1};
    const Case cases[] = {
        {"delete wins over a kind",
         PlayListKind::Run,
         {1, true},
         pass,
         AdjustmentResult::Removed,
         std::nullopt,
         pass},
        {"a lost-yards run joins the passes as sacks",
         PlayListKind::Run,
         {1, false},
         std::nullopt,
         AdjustmentResult::Moved,
         std::nullopt,
         Counts{2, -3, 2}},
        {"a run adds into the pass call of its name",
         PlayListKind::Run,
         {1, false},
         pass,
         AdjustmentResult::Moved,
         std::nullopt,
         Counts{7, 37, 3}},
        {"a pass joins the runs without new sacks",
         PlayListKind::Pass,
         {0, false},
         pass,
         AdjustmentResult::Moved,
         Counts{7, 37, 1},
         std::nullopt},
        {"the pass list's own kind keeps it", PlayListKind::Pass,
         InitialPlayAdjustment(PlayListKind::Pass), pass, AdjustmentResult::Unchanged, run, pass},
        {"the run list's own kind keeps it", PlayListKind::Run,
         InitialPlayAdjustment(PlayListKind::Run), std::nullopt, AdjustmentResult::Unchanged, run,
         std::nullopt},
        {"the defensive list adjusts nothing",
         PlayListKind::Defense,
         {1, true},
         pass,
         AdjustmentResult::Unchanged,
         run,
         pass},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlayDB db;
        PlayRec runRecord = Record(PlayKind::Run, run);
        Put(db, runRecord);
        if (c.passBefore) Put(db, Record(PlayKind::Pass, *c.passBefore));
        PlayRec acted =
            c.list == PlayListKind::Pass ? Record(PlayKind::Pass, *c.passBefore) : runRecord;
        PlayKind ownKind = acted.key.kind;

        EXPECT_EQ(AdjustPlayCall(db, c.list, acted, c.answer), c.result);
        EXPECT_EQ(acted.key.kind, ownKind);
        for (auto [kind, expected] :
             {std::pair{PlayKind::Run, c.runAfter}, std::pair{PlayKind::Pass, c.passAfter}}) {
            std::optional<Counts> got = Stored(db, kind);
            ASSERT_EQ(got.has_value(), expected.has_value()) << static_cast<int>(kind);
            if (!got) continue;
            EXPECT_EQ(got->calls, expected->calls);
            EXPECT_EQ(got->yards, expected->yards);
            EXPECT_EQ(got->sacks, expected->sacks);
        }
    }
}

}  // namespace
}  // namespace gridtally
