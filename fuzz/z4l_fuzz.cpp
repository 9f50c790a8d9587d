// Librarian files from anywhere: the parser must end every input, however
// broken, with a result and without reading past it. A file that parses is
// written out again and must read back to the same patches.
#include "data/LibrarianFile.h"
#include "data/Patch.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// Rejected inputs show a message box each; while fuzzing they go nowhere.
void InstallSilentDialog() {
    static const bool installed = [] {
        UL::SetTextDialog(std::make_unique<fuzzsupport::SilentDialog>());
        return true;
    }();
    (void)installed;
}

bool SamePatches(const CParameterArray& a, const CParameterArray& b) {
    if (a.Size() != b.Size())
        return false;
    for (std::size_t i = 0; i < a.Size(); ++i) {
        if (a[i].Blocks() != b[i].Blocks())
            return false;
        for (int m = 1; m <= CParameter::kMemoCount; ++m)
            if (a[i].GetMemo(m) != b[i].GetMemo(m))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallSilentDialog();
    CConcreteParameterArray<CPatch> patches;
    if (!ParseLibrarianFile(std::span(data, size), patches))
        return 0;
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        const CPatch* patch = AsPatch(&patches[i]);
        Require(patch && patch->Data() != nullptr && patch->GetName().size() <= 16);
    }

    std::vector<std::uint8_t> written;
    Require(EncodeLibrarianFile(patches, [&written](std::span<const std::uint8_t> bytes) {
        written.insert(written.end(), bytes.begin(), bytes.end());
        return true;
    }));
    std::size_t expected = kLibrarianHeaderSize;
    for (std::size_t i = 0; i < patches.Size(); ++i)
        expected += 4 + patches[i].GetSerializedSize();
    Require(written.size() == expected);

    CConcreteParameterArray<CPatch> again;
    Require(ParseLibrarianFile(written, again));
    Require(SamePatches(patches, again));
    return 0;
}
