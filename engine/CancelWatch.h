#pragma once
// While one lives, the reader's and the writer's progress is watched for
// "Cancel", so that a command can tell a transfer the user cancelled from
// one that failed: both end with false, only a failure with a message.
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "toolkit/core/ForwardingProgress.h"

class CCancelWatch {
public:
    // Either may be null; neither is owned, both outlive the watch.
    CCancelWatch(AReader* reader, CWriter* writer)
        : reader_(reader), writer_(writer), readerWatch_(reader ? reader->GetProgress() : nullptr),
          writerWatch_(writer ? writer->GetProgress() : nullptr) {
        if (reader_ != nullptr)
            reader_->SetProgress(&readerWatch_);
        if (writer_ != nullptr)
            writer_->SetProgress(&writerWatch_);
    }
    ~CCancelWatch() {
        if (reader_ != nullptr)
            reader_->SetProgress(readerWatch_.Inner());
        if (writer_ != nullptr)
            writer_->SetProgress(writerWatch_.Inner());
    }
    CCancelWatch(const CCancelWatch&) = delete;
    CCancelWatch& operator=(const CCancelWatch&) = delete;

    // Whether "Cancel" was pressed while the watch lived.
    bool Cancelled() const { return readerWatch_.WasCancelled() || writerWatch_.WasCancelled(); }

private:
    AReader* reader_; // not owned
    CWriter* writer_; // not owned
    GT::CForwardingProgress readerWatch_;
    GT::CForwardingProgress writerWatch_;
};
