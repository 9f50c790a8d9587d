#include "app/core/LibrarianState.h"

#include "engine/IdentityResult.h"
#include "engine/MidiPortLists.h"
#include "engine/MidiSetup.h"
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "messages/MessageTable.h"

CLibrarianState::CLibrarianState(COruMidiSetup& midi) : midi_(&midi) {}

CLibrarianState::~CLibrarianState() { DeleteTransferObjects(); }

void CLibrarianState::ClearClipboard() { clipboard_.GetArray(1).Clear(); }

void CLibrarianState::SetTransferObjects(std::unique_ptr<AReader> reader, std::unique_ptr<CWriter> writer) {
    DeleteTransferObjects();
    reader_ = std::move(reader);
    writer_ = std::move(writer);
}

void CLibrarianState::DeleteTransferObjects() {
    if (reader_) {
        // An input must not keep handing traffic to a deleted reader.
        for (COruMidiIn& input : midi_->Ports().inputs)
            if (input.receiver == reader_.get())
                input.receiver = nullptr;
        if (writer_ && writer_->GetReader() == reader_.get())
            writer_->SetReader(nullptr);
        reader_.reset();
    }
    writer_.reset();
}

int CLibrarianState::GetIdentityResult() const {
    return reader_ ? reader_->GetIdentityResult() : kIdentityNotConfirmed;
}

bool CLibrarianState::IsMidiReady() const { return midi_->IsSetUp(); }
