#include "platform/mm/MidiStreamParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes what the parser reports as a compact text: "S403C90" for a short
// message, "X[F0 41]" for a system-exclusive piece, "E+" / "E-" for its
// complete / cut-short end, "!80" for an invalid byte.
class Transcript : public mm::MidiReceiver {
public:
    void ReceiveShort(mm::DWORD packed) override { Add("S" + Hex(packed, "%06X")); }
    void ReceiveSysEx(std::span<const std::uint8_t> bytes) override {
        std::string piece = "X[";
        for (std::size_t i = 0; i < bytes.size(); ++i)
            piece += (i ? " " : "") + Hex(bytes[i]);
        Add(piece + "]");
    }
    void EndSysEx(bool complete) override { Add(complete ? "E+" : "E-"); }
    void ReceiveError(std::uint8_t byte) override { Add("!" + Hex(byte)); }

    std::string text;

private:
    static std::string Hex(std::uint32_t value, const char* format = "%02X") {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, format, value);
        return buffer;
    }
    void Add(const std::string& item) { text += (text.empty() ? "" : ",") + item; }
};

std::string Parse(const std::vector<std::uint8_t>& bytes, std::size_t pieceSize = 1000) {
    mm::MidiStreamParser parser;
    Transcript transcript;
    for (std::size_t i = 0; i < bytes.size(); i += pieceSize)
        parser.Feed(std::span(bytes).subspan(i, std::min(pieceSize, bytes.size() - i)), transcript);
    return transcript.text;
}

TEST(MidiStreamParser, ChannelMessagesWithRunningStatus) {
    EXPECT_EQ(Parse({0x90, 0x3C, 0x40, 0x3E, 0x41, 0xC0, 0x05, 0x06}), "S403C90,S413E90,S0005C0,S0006C0");
}

TEST(MidiStreamParser, SystemCommonEndsRunningStatus) {
    EXPECT_EQ(Parse({0x90, 0x3C, 0x40, 0xF2, 0x01, 0x02, 0x3C}), "S403C90,S0201F2,!3C");
    EXPECT_EQ(Parse({0xF6, 0xF1, 0x10}), "S0000F6,S0010F1");
}

TEST(MidiStreamParser, RealTimeBytesInsideOtherMessages) {
    EXPECT_EQ(Parse({0x90, 0xF8, 0x3C, 0xFE, 0x40}), "S0000F8,S0000FE,S403C90");
    EXPECT_EQ(Parse({0xF0, 0x41, 0xF8, 0x10, 0xF7}), "X[F0],X[41],S0000F8,X[10],X[F7],E+");
}

TEST(MidiStreamParser, SystemExclusiveInPiecesAndCutShort) {
    EXPECT_EQ(Parse({0xF0, 0x41, 0x10, 0x42, 0xF7}), "X[F0],X[41 10 42],X[F7],E+");
    EXPECT_EQ(Parse({0xF0, 0x41, 0x10, 0x42, 0xF7}, 2), "X[F0],X[41],X[10 42],X[F7],E+");
    EXPECT_EQ(Parse({0xF0, 0x41, 0x90, 0x3C, 0x40}), "X[F0],X[41],E-,S403C90");
}

TEST(MidiStreamParser, InvalidBytesAreReported) {
    EXPECT_EQ(Parse({0x3C, 0xF7, 0xF4, 0xF5}), "!3C,!F7,!F4,!F5");
    // A channel message cut short by another status is reported once.
    EXPECT_EQ(Parse({0x90, 0x3C, 0x80, 0x3C, 0x00}), "!90,S003C80");
}

} // namespace
