// A log added to a new Play DB as `db add` adds it, then saved and reloaded unchanged.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "core/text/Diagnostics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gridtally;
    std::string log(reinterpret_cast<const char*>(data), size);
    PlayDB db;
    db.diagnostics = &NoDiagnostics();
    std::set<std::string> names;
    db.AddLog(&log, names);
    fuzz::RequireRoundTrip(db);
    return 0;
}
