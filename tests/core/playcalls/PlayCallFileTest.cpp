#include <gtest/gtest.h>

#include <string>

#include "core/playcalls/PlayCallFile.h"

namespace gridtally {
namespace {

std::string RedsDiveRecord() {
    std::string bytes(257, '\0');
    bytes.replace(5, 4, "Reds");
    bytes.replace(69, 4, "Dive");
    bytes[197] = 3;  // yards
    bytes[201] = 1;  // calls
    return bytes;
}

TEST(WritePlayCallTable, WritesTheRedsDiveRecordByteForByte) {
    PlayCallTable table;
    PlayRec dive;
    dive.key.team = "Reds";
    dive.key.play = "Dive";
    dive.key.kind = PlayKind::Run;
    dive.results.yards = 3;
    dive.results.calls = 1;
    table.AddPlayCall(dive);

    std::string out;
    WritePlayCallTable(table, out);
    EXPECT_EQ(out, RedsDiveRecord());
}

TEST(WritePlayCallTable, WritesKindAndCountersLittleEndianAndCutsPlayNames) {
    PlayCallTable table;
    PlayRec rec;
    rec.key.team = "Blues";
    rec.key.play = std::string(90, 'p');
    rec.key.kind = PlayKind::Pass;
    rec.results.passYardsAllowed = -2;
    rec.results.yards = 0x01020304;
    table.AddPlayCall(rec);

    std::string out;
    WritePlayCallTable(table, out);
    ASSERT_EQ(out.size(), kPlayCallRecordSize);
    EXPECT_EQ(out.substr(1, 4), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(out.substr(69, 64), std::string(64, 'p'));
    EXPECT_EQ(out.substr(133, 64), std::string(64, '\0'));
    EXPECT_EQ(out.substr(197, 4), "\x04\x03\x02\x01");
    EXPECT_EQ(out.substr(253, 4), "\xFE\xFF\xFF\xFF");
}

TEST(ReadPlayCallRecord, ReadsTheRedsDiveRecordBack) {
    std::string bytes = RedsDiveRecord();
    ByteReader reader(std::string_view(bytes).substr(1));  // the loader took the tag
    PlayCallTable table;
    EXPECT_TRUE(ReadPlayCallRecord(reader, table));
    EXPECT_TRUE(reader.AtEnd());
    const PlayCallRec* record = table.Find("Reds|Dive|0");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->yards, 3);
    EXPECT_EQ(record->calls, 1);
    EXPECT_EQ(record->passYardsAllowed, 0);
}

// Two records of one stored key are one call told twice: summed, never one replacing
// the other, whether they meet in a file or are cut to one key when written.
TEST(PlayCallFile, RecordsOfOneStoredKeyAreSummed) {
    std::string first = RedsDiveRecord().substr(1);
    std::string second = first;
    second[196] = 9;  // yards 9
    std::string both = first + second;
    ByteReader reader(both);
    PlayCallTable table;
    EXPECT_TRUE(ReadPlayCallRecord(reader, table));
    EXPECT_TRUE(ReadPlayCallRecord(reader, table));
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(table.Find("Reds|Dive|0")->yards, 12);
    EXPECT_EQ(table.Find("Reds|Dive|0")->calls, 2);

    const std::string shared(64, 's');
    PlayCallTable game;
    for (const char* tail : {"Left", "Right", ""}) {
        PlayRec rec;
        rec.key.team = "Reds";
        rec.key.play = shared + tail;
        rec.key.kind = PlayKind::Run;
        rec.results.yards = 5;
        rec.results.calls = 1;
        game.AddPlayCall(rec);
    }
    ASSERT_EQ(game.size(), 3u);
    std::string out;
    WritePlayCallTable(game, out);
    ASSERT_EQ(out.size(), kPlayCallRecordSize);
    ByteReader back(std::string_view(out).substr(1));
    PlayCallTable loaded;
    ASSERT_TRUE(ReadPlayCallRecord(back, loaded));
    const PlayCallRec* record = loaded.Find("Reds|" + shared + "|0");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->calls, 3);
    EXPECT_EQ(record->yards, 15);
}

TEST(ReadPlayCallRecord, AFileEndingInsideARecord) {
    std::string whole = RedsDiveRecord().substr(1);
    struct Case {
        std::size_t length;
        bool stored;
    };
    // Nothing is stored unless at least one counter byte arrived; missing ones are 0.
    for (Case c : {Case{0, false}, Case{3, false}, Case{4, false}, Case{100, false},
                   Case{196, false}, Case{197, true}, Case{200, true}, Case{205, true}}) {
        std::string cut = whole.substr(0, c.length);
        ByteReader reader(cut);
        PlayCallTable table;
        EXPECT_EQ(ReadPlayCallRecord(reader, table), c.stored) << c.length;
        EXPECT_EQ(table.size(), c.stored ? 1u : 0u) << c.length;
        if (c.stored) {
            const PlayCallRec& record = *table.Find("Reds|Dive|0");
            EXPECT_EQ(record.yards, 3);
            EXPECT_EQ(record.calls, c.length >= 201 ? 1 : 0) << c.length;
        }
    }
}

TEST(ReadPlayCallRecord, FieldsWithoutTerminatorAreCutToFit) {
    std::string bytes(256, '\0');
    bytes.replace(4, 64, std::string(64, 'T'));
    bytes.replace(68, 128, std::string(128, 'P'));
    ByteReader reader(bytes);
    PlayCallTable table;
    ASSERT_TRUE(ReadPlayCallRecord(reader, table));
    const std::string key = std::string(63, 'T') + "|" + std::string(127, 'P') + "|0";
    EXPECT_NE(table.Find(key), nullptr);
}

}  // namespace
}  // namespace gridtally
