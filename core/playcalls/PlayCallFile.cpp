#include "core/playcalls/PlayCallFile.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace gridtally {
namespace {

constexpr std::size_t kTeamField = 64;
constexpr std::size_t kPlayField = 128;
constexpr std::size_t kCounterBytes = 4 * kPlayCallCounterFields.size();

template <std::size_t N>
void AppendField(std::string& out, const FixedText<N>& text) {
    out.append(text.bytes().data(), N);
}

}  // namespace

void WritePlayCallTable(const PlayCallTable& table, std::string& out) {
    struct Stored {
        PlayCallKey key;
        PlayCallRec counters;
    };
    std::vector<Stored> stored;
    stored.reserve(table.size());
    std::unordered_map<std::string, std::size_t> byKey;  // the key a record reads back as
    for (const auto& [keyText, record] : table.records()) {
        PlayCallKey key;
        SplitKeyText(keyText, key);
        auto [at, added] = byKey.try_emplace(BuildKeyText(key), stored.size());
        if (added) {
            stored.push_back({std::move(key), *record});
        } else {
            AddCounters(stored[at->second].counters, *record);
        }
    }
    for (const Stored& record : stored) {
        out.push_back(kPlayCallRecordTag);
        AppendInt32LE(out, static_cast<std::int32_t>(record.key.kind));
        AppendField(out, record.key.team);
        AppendField(out, record.key.play);
        for (const PlayCallCounterField& field : kPlayCallCounterFields) {
            AppendInt32LE(out, record.counters.*field.member);
        }
    }
}

bool ReadPlayCallRecord(ByteReader& reader, PlayCallTable& table) {
    PlayCallKey key;
    std::string_view kind = reader.Read(4);
    if (kind.empty()) return false;
    if (kind.size() == 4) {
        key.kind = static_cast<PlayKind>(DecodeInt32LE(kind));
        key.team = reader.Read(kTeamField);
        key.play = reader.Read(kPlayField);
    }

    std::string_view counters = reader.Read(kCounterBytes);
    if (counters.empty()) return false;
    auto record = std::make_unique<PlayCallRec>();
    for (std::size_t i = 0; i < kPlayCallCounterFields.size() && 4 * i < counters.size(); ++i) {
        (*record).*kPlayCallCounterFields[i].member = DecodeInt32LE(counters.substr(4 * i, 4));
    }
    table.Store(BuildKeyText(key), std::move(record));
    return true;
}

}  // namespace gridtally
