#include "app/core/TransferObjects.h"

#include "app/core/LibrarianState.h"
#include "engine/MidiEngine.h"
#include "engine/Reader.h"
#include "engine/Writer.h"

#include <memory>

bool CreateTransferObjects(CLibrarianState& state, GT::IProgress* progress, ML::ITickClock& clock) {
    COruMidiSetup& setup = state.MidiSetup();
    auto& inputs = setup.Ports().inputs;
    auto& outputs = setup.Ports().outputs;
    if (inputs.empty() || outputs.empty())
        return false;
    auto reader = std::make_unique<AReader>(clock);
    reader->SetProgress(progress);
    reader->SetSetup(&setup);
    reader->SetInput(&inputs[0]);
    reader->SetOutput(&outputs[0]);
    auto writer = std::make_unique<CWriter>(clock);
    writer->SetProgress(progress);
    writer->SetSetup(&setup);
    writer->SetOutput(&outputs[0]);
    writer->SetReader(reader.get());
    AReader* receiver = reader.get();
    state.SetTransferObjects(std::move(reader), std::move(writer));
    inputs[0].receiver = receiver;
    return true;
}

void ShutdownEngine(CLibrarianState& state, CMidiEngine& engine) {
    state.DeleteTransferObjects();
    engine.Shutdown();
}
