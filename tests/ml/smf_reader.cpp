#include "ml/SmfBuffer.h"
#include "tests/ml/smf_recorder.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

namespace {

Bytes Header(std::uint16_t tracks, std::uint16_t format = 0) {
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, static_cast<std::uint8_t>(format), 0, static_cast<std::uint8_t>(tracks),
            0,   96};
}

// A track chunk around events; the length field is taken as given.
Bytes Track(const Bytes& events, std::uint32_t length) {
    Bytes bytes{'M',
                'T',
                'r',
                'k',
                static_cast<std::uint8_t>(length >> 24),
                static_cast<std::uint8_t>(length >> 16),
                static_cast<std::uint8_t>(length >> 8),
                static_cast<std::uint8_t>(length)};
    bytes.insert(bytes.end(), events.begin(), events.end());
    return bytes;
}

Bytes Track(const Bytes& events) { return Track(events, static_cast<std::uint32_t>(events.size())); }

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Bytes kEndOfTrack{0x00, 0xFF, 0x2F, 0x00};

struct Parsed {
    bool ok;
    Lines events;
    std::size_t largestRead;
};

Parsed Parse(const Bytes& file, const std::string& refuse = {}) {
    test::SmfRecorder reader(file);
    reader.refuse = refuse;
    const bool ok = reader.ParseSmf();
    return {ok, reader.events, reader.largestRead};
}

// A valid file: written by the writer, with every kind of event the reader
// tells apart.
Bytes WrittenFile() {
    ML::CSmfBufferWriter writer;
    writer.Begin();
    writer.BeginTrack();
    writer.AddSysEx(0, Bytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0x00, 0x00, 0x10, 0x00, 0x05, 0x6B, 0xF7});
    writer.AddSysEx(5, Bytes{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7});
    writer.AddMeta(200, 0x01, Bytes{'h', 'i'});
    writer.EndTrack();
    writer.Finish();
    return writer.GetBytes();
}

} // namespace

TEST(SmfReader, ReadsBackWhatTheWriterWrote) {
    const Parsed parsed = Parse(WrittenFile());
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.events, (Lines{
                                 "header 0 1 96",
                                 "track 0 33",
                                 "sysex 0: F0 41 10 42 12 00 00 10 00 05 6B F7",
                                 "sysex 5: F0 7E 7F 06 01 F7",
                                 "meta 200 01: 68 69",
                                 "meta 0 2F: ",
                             }));
}

TEST(SmfReader, FormatOneTracksEndAtTheirEndOfTrackEvent) {
    // Lengths of 0 and of far too much: neither is used to find the end.
    const Bytes file = Join({Header(2, 1),
                             Track({0x00, 0xFF, 0x03, 0x01, 'A', 0x00, 0xFF, 0x2F, 0x00}, 0),
                             Track(Join({{0x00, 0xF0, 0x03, 0x41, 0x10, 0xF7}, kEndOfTrack}), 0xFFFFFFFF),
                             {0x12, 0x34}}); // bytes after the last track are not looked at
    const Parsed parsed = Parse(file);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.events, (Lines{"header 1 2 96", "track 0 0", "meta 0 03: 41", "meta 0 2F: ", "track 1 4294967295",
                                    "sysex 0: F0 41 10 F7", "meta 0 2F: "}));
}

TEST(SmfReader, ChannelMessagesAndRunningStatus) {
    const Bytes events = Join({
        {0x00, 0x3C},                         // a data byte before any status: read again as a delta
        {0x90, 0x3C, 0x64},                   // note on after delta 0x3C
        {0x10, 0x3E, 0x00},                   // running status
        {0x00, 0xF0, 0x03, 0x41, 0x10, 0xF7}, // SysEx does not end running status
        {0x00, 0x40, 0x7F},
        {0x00, 0xC5, 0x07},       // program change: one data byte
        {0x00, 0x08},             // running status with one data byte
        {0x00, 0xE1, 0x00, 0x40}, // pitch bend: two
        {0x00, 0xF8},             // other system statuses carry nothing
        {0x00, 0xFE},
        {0x00, 0xA1, 0x3C, 0x10},
        kEndOfTrack,
    });
    const Parsed parsed =
        Parse(Join({Header(2), Track(events), Track(Join({{0x00, 0x3C, 0x90, 0x3C, 0x64}, kEndOfTrack}))}));
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.events, (Lines{
                                 "header 0 2 96",
                                 "track 0 " + std::to_string(events.size()),
                                 "channel 60: 90 3C 64",
                                 "channel 16: 90 3E 00",
                                 "sysex 0: F0 41 10 F7",
                                 "channel 0: 90 40 7F",
                                 "channel 0: C5 07",
                                 "channel 0: C5 08",
                                 "channel 0: E1 00 40",
                                 "channel 0: A1 3C 10",
                                 "meta 0 2F: ",
                                 "track 1 9",
                                 // running status does not carry over into the next track
                                 "channel 60: 90 3C 64",
                                 "meta 0 2F: ",
                             }));
}

TEST(SmfReader, SysExEventsThatAreNotMessagesAreDropped) {
    const Bytes events = Join({
        {0x00, 0xF7, 0x0A, 0x41, 0x10, 0x42, 0x12, 0x00, 0x00, 0x10, 0x00, 0x05, 0xF7}, // F7: no leading F0
        {0x00, 0xF7, 0x03, 0xF0, 0x41, 0xF7}, // F7 carrying a whole message is one
        {0x00, 0xF0, 0x03, 0x41, 0x90, 0xF7}, // a status byte inside
        {0x00, 0xF0, 0x02, 0x41, 0x10},       // no F7 at the end
        {0x00, 0xF0, 0x00},                   // empty
        {0x07, 0xF0, 0x02, 0x41, 0xF7},       // fine
        kEndOfTrack,
    });
    const Parsed parsed = Parse(Join({Header(1), Track(events)}));
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.events, (Lines{"header 0 1 96", "track 0 " + std::to_string(events.size()), "sysex 0: F0 41 F7",
                                    "sysex 7: F0 41 F7", "meta 0 2F: "}));
}

TEST(SmfReader, HooksCanStopTheParse) {
    for (const std::string hook : {"header", "track", "sysex", "meta"}) {
        const Parsed parsed = Parse(WrittenFile(), hook);
        EXPECT_FALSE(parsed.ok) << hook;
        EXPECT_EQ(parsed.events.back().rfind(hook, 0), 0u) << "stops at the refusing " << hook;
    }
    const Bytes channel = Join({Header(1), Track(Join({{0x00, 0x90, 0x3C, 0x64}, kEndOfTrack}))});
    EXPECT_FALSE(Parse(channel, "channel").ok);
}

TEST(SmfReader, RejectsFilesThatAreNotStandardMidiFiles) {
    const Bytes track = Track(kEndOfTrack);
    const Bytes header = Header(1);
    Bytes longHeader = header;
    longHeader[7] = 7;
    Bytes notAHeader = header;
    notAHeader[0] = 'R';
    const Bytes cases[] = {
        {},
        Join({notAHeader, track}),
        Join({longHeader, track}),
        Join({Header(0), track}), // no tracks
        Join({header, Bytes{'M', 'T', 'r', 'x', 0, 0, 0, 4}, kEndOfTrack}),
        Join({Header(2), track}),                        // a track missing
        Join({header, Track({0x00, 0x90, 0x3C, 0x64})}), // no end-of-track
    };
    for (const Bytes& file : cases)
        EXPECT_FALSE(Parse(file).ok) << ::testing::PrintToString(file);
}

TEST(SmfReader, EveryTruncationFailsCleanly) {
    const Bytes file = WrittenFile();
    for (std::size_t size = 0; size < file.size(); ++size)
        EXPECT_FALSE(Parse(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size))).ok) << size;
    EXPECT_TRUE(Parse(file).ok);
}

TEST(SmfReader, VariableLengthQuantitiesEndAtTheFourthByte) {
    const auto file = [](const Bytes& events) { return Join({Header(1), Track(events)}); };
    // Four bytes are the most: the largest delta and a long meta length read.
    const Parsed largest =
        Parse(file(Join({{0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x80, 0x80, 0x80, 0x01, 'x'}, kEndOfTrack})));
    ASSERT_TRUE(largest.ok);
    EXPECT_EQ(largest.events.at(2), "meta 268435455 01: 78");

    EXPECT_FALSE(Parse(file(Join({{0x80, 0x80, 0x80, 0x80, 0x00, 0xF8}, kEndOfTrack}))).ok) << "fifth delta byte";
    EXPECT_FALSE(Parse(file(Join({{0x00, 0xF0, 0x81, 0x81, 0x81, 0x81, 0x01}, kEndOfTrack}))).ok)
        << "fifth length byte";
    EXPECT_FALSE(Parse(file({0x00, 0xFF, 0x01, 0x81})).ok) << "data end inside a length";
}

TEST(SmfReader, LengthFieldsLargerThanTheFileAllocateNothingAhead) {
    const Bytes hostile[] = {
        Join({Header(1), Track({0x00, 0xF0, 0xFF, 0xFF, 0xFF, 0x7F, 0x41, 0xF7})}),
        Join({Header(1), Track({0x00, 0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0x7F, 0x41})}),
        Join({Header(1), Track({0x00, 0xF7, 0xFF, 0xFF, 0xFF, 0x7F}, 0xFFFFFFFF)}),
    };
    for (const Bytes& file : hostile) {
        const Parsed parsed = Parse(file);
        EXPECT_FALSE(parsed.ok);
        EXPECT_LE(parsed.largestRead, 64u * 1024) << "asked the file for more than one step at once";
    }
}
