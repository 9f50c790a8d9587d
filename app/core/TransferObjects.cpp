#include "app/core/TransferObjects.h"

#include "app/core/LibrarianState.h"
#include "engine/MidiDeviceFactory.h"
#include "engine/MidiManager.h"
#include "engine/MidiPortLists.h"
#include "engine/MidiSetup.h"
#include "engine/Reader.h"
#include "engine/Writer.h"

#include <memory>

bool CreateTransferObjects(CLibrarianState& state, GT::IProgress* progress, ML::ITickClock& clock) {
    auto& inputs = GetMidiInputs();
    auto& outputs = GetMidiOutputs();
    if (inputs.empty() || outputs.empty())
        return false;
    auto reader = std::make_unique<AReader>(clock);
    reader->SetProgress(progress);
    reader->SetInput(&inputs[0]);
    reader->SetOutput(&outputs[0]);
    auto writer = std::make_unique<CWriter>(clock);
    writer->SetProgress(progress);
    writer->SetOutput(&outputs[0]);
    writer->SetReader(reader.get());
    AReader* receiver = reader.get();
    state.SetTransferObjects(std::move(reader), std::move(writer));
    inputs[0].receiver = receiver;
    return true;
}

void ShutdownEngine(CLibrarianState& state) {
    state.DeleteTransferObjects();
    GetMidiSetup().ReleaseAll();
    GetMidiDeviceFactory().Terminate();
    GetMidiManager().Shutdown();
}
