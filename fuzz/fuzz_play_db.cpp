// A Play DB file loaded, then every club's pages, then saved and reloaded unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "core/reports/GamePrintout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gridtally;
    PlayDB db;
    LoadPlayDB(std::string_view(reinterpret_cast<const char*>(data), size), db);
    fuzz::RequireRoundTrip(db);

    for (const std::string& team : db.TeamNames()) {
        if (!db.HasTeam(team)) fuzz::Fail("a listed club is not in the DB: " + fuzz::Shown(team));
        BuildPlayCallPages(db, team);
        fuzz::ExercisePlayLists(db, team);
    }
    return 0;
}
