// The simulated unit's memory file: a write is still there in the next run.
#include "tests/e2e/EndToEndFixture.h"

#include "data/FileDocument.h"
#include "data/ImageData.h"
#include "data/LibrarianFile.h"

#include <filesystem>
#include <unistd.h>

namespace e2e {
namespace {

TEST_F(EndToEnd, WrittenPatchesSurviveARestartOfTheSimulatedUnit) {
    const auto path =
        std::filesystem::temp_directory_path() / ("zm47-e2e-memory-" + std::to_string(::getpid()) + ".z4l");
    std::filesystem::remove(path);
    cli::DeviceChoice choice = SimulatorChoice();
    choice.simMemory = path.string();

    CConcreteParameterArray<CPatch> patches;
    patches.Resize(10);
    for (std::size_t i = 0; i < patches.Size(); ++i)
        AsPatch(patches.At(i))->SetName("KEPT " + std::to_string(i));
    Start(choice);
    ASSERT_TRUE(Writer().WritePatches(0x61, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, patches));
    session.reset(); // the program ends: the memory goes to its file

    CFileDocument saved;
    ASSERT_TRUE(ReadLibrarianFile(path, saved));
    EXPECT_EQ(saved.Patches().Size(), 120u);

    Start(choice);
    CImageData image;
    image.FillWithNewPatches();
    ASSERT_TRUE(Reader().ReadPatches(0x61, {0, 9}, image));
    EXPECT_EQ(AsPatch(image.GetArray(5).At(0))->GetName(), "KEPT 0");
    EXPECT_EQ(AsPatch(image.GetArray(5).At(9))->GetName(), "KEPT 9");
    EXPECT_EQ(Unit().Patch(1, 0)->GetName(), "Glass Chorus Pad") << "the rest of the memory is as it was";
    EXPECT_TRUE(Shown().empty());
    session.reset();
    std::filesystem::remove(path);
}

} // namespace
} // namespace e2e
