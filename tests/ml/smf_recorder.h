#pragma once
// An SMF reader over bytes that writes every hook call down as one line of
// text ("sysex 5: F0 41 ... F7"), so that tests compare what was read at a
// glance. A hook can be told to refuse.
#include "ml/SmfBuffer.h"

#include <cstdio>
#include <string>
#include <vector>

namespace test {

inline std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", b);
        if (!text.empty())
            text += ' ';
        text += digits;
    }
    return text;
}

class SmfRecorder : public ML::CSmfBufferReader {
public:
    using CSmfBufferReader::CSmfBufferReader;

    bool OnHeader(const Header& h) override {
        events.push_back("header " + std::to_string(h.format) + " " + std::to_string(h.trackCount) + " " +
                         std::to_string(h.division));
        return refuse != "header";
    }
    bool OnTrack(const TrackHeader& t, std::size_t index) override {
        events.push_back("track " + std::to_string(index) + " " + std::to_string(t.length));
        return refuse != "track";
    }
    bool OnChannelMessage(std::uint32_t delta, const ML::CShortMessage& m) override {
        events.push_back("channel " + std::to_string(delta) + ": " + Hex(m));
        return refuse != "channel";
    }
    bool OnSysEx(std::uint32_t delta, const ML::CLongMessage& m) override {
        events.push_back("sysex " + std::to_string(delta) + ": " + Hex(m));
        return refuse != "sysex";
    }
    bool OnMeta(std::uint32_t delta, const Meta& meta) override {
        char type[4];
        std::snprintf(type, sizeof type, "%02X", meta.type);
        events.push_back("meta " + std::to_string(delta) + " " + type + ": " + Hex(meta.bytes));
        return refuse != "meta";
    }
    std::size_t Read(std::span<std::uint8_t> out, std::size_t position) override {
        largestRead = std::max(largestRead, out.size());
        return CSmfBufferReader::Read(out, position);
    }

    std::vector<std::string> events;
    std::string refuse;
    std::size_t largestRead = 0;
};

} // namespace test
