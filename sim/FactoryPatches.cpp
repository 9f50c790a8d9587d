#include "sim/FactoryPatches.h"

#include "data/ParameterAddress.h"

#include <array>
#include <cstdint>

namespace sim {

namespace {

constexpr std::array<std::string_view, 60> kMemoryNames{
    "Glass Chorus Pad", "Warm Jazz Box",    "Sunday Funk Wah",  "Tape Echo Lead",   "Crunch Rhythm II",
    "Big Hall Ambient", "Surf Spring Tank", "Octave Fuzz Riff", "Slow Phaser Arps", "Blues Break Solo",
    "Clean Compressor", "Country Twang",    "Doom Drop D",      "Shimmer Verb Sky", "Stadium Lead",
    "Tremolo Ballad",   "Rotary Organ Sim", "Dotted 8th Delay", "Acoustic Body",    "Metal Chug 7str",
    "Velvet Overdrive", "Auto Wah Groove",  "Reverse Swell",    "Pitch Up Fifth",   "British Stack 80",
    "Texas Shuffle",    "Fuzz Pedal Buzz",  "Dub Delay Space",  "Vintage Tube Amp", "Lo-Fi Radio Tone",
    "Chorus Clean 12",  "Wide Stereo Pad",  "Hot Rod Solo",     "Slapback Rocker",  "Harmony 3rd Up",
    "Hot Modded Lead",  "Jangle Pop Chime", "Flanger Jet Sky",  "Tight Thrash",     "Glassy Funk Chop",
    "Sitar Drone",      "Wall Of Fuzz",     "Boost For Solos",  "Midnight Blues",   "Synth Bass Oct",
    "Ring Mod Bells",   "Cathedral Verb",   "Watery Vibe",      "Power Trio Drive", "Pedal Steel Bend",
    "Chicken Pickin'",  "Drop C Sludge",    "Ambient Loop Bed", "Swell And Delay",  "Green Mid Boost",
    "Vintage Crunch",   "Mellow Neck Jazz", "Fat Lead Sustain", "Practice Clean",   "Live Set Opener",
};

// The six sound library banks in area-number order (areas 2 to 7).
constexpr std::array<std::array<std::string_view, 10>, 6> kBankNames{{
    {"Crystal Clean", "Sparkle Chorus", "Jazz Hollow Body", "Clean Funk Comp", "Spring Reverb", "Bright Arpeggio",
     "Round Neck Tone", "Studio Clean DI", "Clean Tremolo", "Soft Slide Pad"},
    {"Edge Of Breakup", "Classic Crunch", "Garage Rock", "Crunchy Chords", "Pub Rock Rhythm", "Bluesy Grit",
     "Indie Crunch", "Roots Rock Amp", "Punchy Rhythm", "Crunch And Delay"},
    {"Smooth Overdrive", "Warm Drive Lead", "Mid Boost Drive", "Hard Rock Rhythm", "Singing Sustain", "Drive And Echo",
     "Southern Rock", "Stack Drive", "Classic Rock Ld", "Medium Gain Amp"},
    {"High Gain Rhythm", "Scooped Metal", "Tight Low Djent", "Thrash Machine", "Sludge Doom", "Heavy Drop B",
     "Chug And Gate", "Nu Metal Wall", "Stoner Fuzz", "Modern Metal"},
    {"Violin Lead", "Shred Solo Delay", "Fusion Lead", "Blues Lead Tone", "Soaring Lead", "Harmonizer Lead",
     "Wah Lead Cocked", "Singing Legato", "Hall Lead Verb", "Neck Pickup Lead"},
    {"Pitch Shift Dive", "Glitch Stutter", "Ring Mod Chaos", "Octave Down Sub", "Endless Feedback", "Bit Crush Robot",
     "Reverse Delay Fx", "Swept Filter Syn", "Talk Box Vowel", "Noise Wall Drone"},
}};

constexpr std::string_view kTemporaryName = "Current Sound";

// The memos a few MEMORY patches carry, as a player would note them.
struct FactoryMemos {
    int index;
    std::array<std::string_view, CParameter::kMemoCount> memos;
};
constexpr std::array<FactoryMemos, 5> kMemos{{
    {0, {"Set 1, song 3", "Neck pickup", "", ""}},
    {3, {"Solo in the bridge", "Tap 120 bpm", "Volume pedal up", ""}},
    {9, {"Set 2 opener", "", "", "Bridge pickup"}},
    {17, {"Tap 96 bpm", "Dotted eighths", "", ""}},
    {59, {"First song of the night", "Check tuning", "", ""}},
}};

} // namespace

std::string_view FactoryPatchName(int areaNumber, int index) {
    if (areaNumber == 0)
        return index == 0 ? kTemporaryName : std::string_view();
    if (index < 0)
        return {};
    const auto i = static_cast<std::size_t>(index);
    if (areaNumber == 1)
        return i < kMemoryNames.size() ? kMemoryNames[i] : std::string_view();
    if (areaNumber < 2 || areaNumber > kAreaCount)
        return {};
    const auto& bank = kBankNames[static_cast<std::size_t>(areaNumber - 2)];
    return i < bank.size() ? bank[i] : std::string_view();
}

CPatch FactoryPatch(int areaNumber, int index) {
    CPatch patch;
    patch.Initialize();
    std::uint8_t* data = patch.Data();
    // A small linear congruential generator seeded by the patch's place: the
    // same bytes in every run, different bytes in every patch.
    std::uint32_t seed = static_cast<std::uint32_t>(areaNumber * 256 + index + 1) * 2654435761u;
    for (int i = 0; i < CPatch::kNameOffset; ++i) {
        seed = seed * 1103515245u + 12345u;
        data[i] = static_cast<std::uint8_t>((seed >> 16) & 0x7F);
    }
    patch.SetName(FactoryPatchName(areaNumber, index));
    if (areaNumber == 1)
        for (const FactoryMemos& entry : kMemos)
            if (entry.index == index)
                for (int m = 0; m < CParameter::kMemoCount; ++m)
                    patch.SetMemo(m + 1, entry.memos[static_cast<std::size_t>(m)]);
    return patch;
}

} // namespace sim
