#pragma once

#include <string>

#include "core/playcalls/ByteStream.h"
#include "core/playcalls/PlayCallTable.h"

namespace gridtally {

// A play-call record in a Play DB file is 257 bytes: tag 0, kind (4), team (64),
// play (128), then the 15 counters (4 each), all integers signed little-endian.
inline constexpr char kPlayCallRecordTag = 0;
inline constexpr std::size_t kPlayCallRecordSize = 257;

// Appends one record per entry of the table, in the table's order. Entries whose
// names are cut to the same record (play names share their first 64 bytes) are
// written as one record holding their sum.
void WritePlayCallTable(const PlayCallTable& table, std::string& out);

// Reads one record whose tag byte has been consumed and stores it under its key,
// summed with a record of the same key. A record cut short by the end of the file is
// stored as far as its counters were read (the missing ones 0) when at least one
// counter byte arrived; otherwise nothing is stored. Returns whether it stored.
bool ReadPlayCallRecord(ByteReader& reader, PlayCallTable& table);

}  // namespace gridtally
