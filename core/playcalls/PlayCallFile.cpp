#include "core/playcalls/PlayCallFile.h"

#include <algorithm>
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

void AppendRecord(std::string& out, const PlayCallKey& key, const PlayCallRec& counters) {
    out.push_back(kPlayCallRecordTag);
    AppendInt32LE(out, static_cast<std::int32_t>(key.kind));
    AppendField(out, key.team);
    AppendField(out, key.play);
    for (const PlayCallCounterField& field : kPlayCallCounterFields) {
        AppendInt32LE(out, counters.*field.member);
    }
}

// Whether the file keeps less of the key's names than the key holds (a club name of 64
// bytes or more, a play name of more than 64, a name holding a NUL), so that it may
// meet another key.
bool CutInFile(std::string_view keyText) {
    if (keyText.find('\0') != std::string_view::npos) return true;
    std::size_t first = keyText.find('|');
    std::size_t second = keyText.find('|', first + 1);
    return first == std::string_view::npos || first >= kTeamField ||
           second == std::string_view::npos || second - first - 1 > 64;
}

}  // namespace

void WritePlayCallTable(const PlayCallTable& table, std::string& out) {
    const auto& records = table.records();
    out.reserve(out.size() + records.size() * kPlayCallRecordSize);
    bool anyCut = std::any_of(records.begin(), records.end(),
                              [](const auto& entry) { return CutInFile(entry.first); });
    if (!anyCut) {  // every key reads back as itself: one record each, as they stand
        for (const auto& [keyText, record] : records) {
            PlayCallKey key;
            SplitKeyText(keyText, key);
            AppendRecord(out, key, *record);
        }
        return;
    }
    struct Stored {
        PlayCallKey key;
        PlayCallRec counters;
    };
    std::vector<Stored> stored;
    stored.reserve(records.size());
    std::unordered_map<std::string, std::size_t> byKey;  // the key a record reads back as
    for (const auto& [keyText, record] : records) {
        PlayCallKey key;
        SplitKeyText(keyText, key);
        auto [at, added] = byKey.try_emplace(BuildKeyText(key), stored.size());
        if (added) {
            stored.push_back({std::move(key), *record});
        } else {
            AddCounters(stored[at->second].counters, *record);
        }
    }
    for (const Stored& record : stored) AppendRecord(out, record.key, record.counters);
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
