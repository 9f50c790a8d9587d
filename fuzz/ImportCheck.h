#pragma once
// The rule every import of data sets keeps, whatever the file holds: a patch
// changes only to the 128 data bytes of one complete data set of this unit
// (device id 0x10, model 00 00 45, command 12, correct checksum) that the
// file addresses to that patch's first byte. A shorter or longer data set, a
// half, one addressed inside a patch: nothing changes. The import's tally
// counts exactly the patches that changed or were stored again.
#include "data/Address.h"
#include "data/ImageData.h"
#include "data/ParameterAddress.h"
#include "engine/MidiEngine.h"
#include "engine/Reader.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace fuzzcheck {

using Bytes = std::vector<std::uint8_t>;

inline void Require(bool condition, const char* what) { fuzzsupport::Require(condition, "import check", what); }

// The reader with the unit's ports configured (no devices opened: an
// import needs only the identifiers the ports carry).
class ImportHarness {
public:
    ImportHarness() {
        previousDialog_ = UL::SetTextDialog(std::make_unique<fuzzsupport::SilentDialog>());
        engine_.transientText.SetSink([](std::string_view) {});
        Require(engine_.ConfigurePorts(), "ports");
        reader_.SetInput(&engine_.ports.inputs[0]);
        reader_.SetOutput(&engine_.ports.outputs[0]);
    }

    // Runs the import on new patches and checks the rule against the
    // messages the file holds (each from F0 to F7).
    void Check(const std::vector<Bytes>& messages, const std::function<void(AReader&, CImageData&)>& import) {
        CImageData image;
        image.FillWithNewPatches();
        const CImageData before = image;
        import(reader_, image);
        const CParameterAddress map;
        std::size_t changed = 0;
        for (int area = 1; area <= kAreaCount; ++area) {
            for (int index = 0; index < map.PatchCount(area); ++index) {
                const Bytes now = *image.GetArray(area).At(static_cast<std::size_t>(index))->FindSegment(0, 0);
                const Bytes old = *before.GetArray(area).At(static_cast<std::size_t>(index))->FindSegment(0, 0);
                Require(now.size() == old.size(), "a patch changed its size");
                if (now == old)
                    continue;
                ++changed;
                const DeviceAddress wanted = map.PatchAddress(map.AreaCodeFromNumber(area), index);
                const bool carried = std::any_of(messages.begin(), messages.end(), [&](const Bytes& message) {
                    DeviceAddress address = 0;
                    Bytes data;
                    return fuzzsupport::WholeDataSet(message, address, data) && address == wanted && data == now;
                });
                Require(carried, "a patch changed to data no whole data set for it carried");
            }
        }
        Require(reader_.LastImport().PatchesIn(0).size() >= changed, "the tally missed a patch");
        Require(reader_.LastImport().stored.size() <= reader_.LastImport().seen, "more stored than seen");
    }

private:
    std::unique_ptr<UL::ITextDialog> previousDialog_;
    CMidiEngine engine_;
    AReader reader_;
};

inline ImportHarness& Harness() {
    static ImportHarness harness;
    return harness;
}

} // namespace fuzzcheck
