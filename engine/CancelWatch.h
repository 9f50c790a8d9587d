#pragma once
// While one lives, the reader's and the writer's progress is watched for
// "Cancel", so that a command can tell a transfer the user cancelled from
// one that failed: both end with false, only a failure with a message.
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "toolkit/core/Progress.h"

class CCancelWatch {
public:
    // Either may be null; neither is owned, both outlive the watch.
    CCancelWatch(AReader* reader, CWriter* writer)
        : reader_(reader), writer_(writer), readerWatch_(reader ? reader->GetProgress() : nullptr, cancelled_),
          writerWatch_(writer ? writer->GetProgress() : nullptr, cancelled_) {
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
    bool Cancelled() const { return cancelled_; }

private:
    // Passes everything on to the progress it stands for (which may be
    // null: nothing shown, never cancelled) and notes a cancel.
    class CWatch final : public GT::IProgress {
    public:
        CWatch(GT::IProgress* inner, bool& cancelled) : inner_(inner), cancelled_(cancelled) {}
        GT::IProgress* Inner() const { return inner_; }

        bool Begin() override { return inner_ == nullptr || inner_->Begin(); }
        void End() override {
            if (inner_ != nullptr)
                inner_->End();
        }
        void SetRange(int maximum) override {
            if (inner_ != nullptr)
                inner_->SetRange(maximum);
        }
        bool SetPos(int position) override { return inner_ == nullptr || inner_->SetPos(position); }
        void SetTitle(std::string_view text) override {
            if (inner_ != nullptr)
                inner_->SetTitle(text);
        }
        bool SetText(std::string_view text) override { return inner_ == nullptr || inner_->SetText(text); }
        void SetCancellable(bool cancellable) override {
            if (inner_ != nullptr)
                inner_->SetCancellable(cancellable);
        }
        bool IsCancelled() override {
            if (inner_ != nullptr && inner_->IsCancelled())
                cancelled_ = true;
            return inner_ != nullptr && cancelled_;
        }

    private:
        GT::IProgress* inner_; // not owned
        bool& cancelled_;
    };

    AReader* reader_; // not owned
    CWriter* writer_; // not owned
    bool cancelled_ = false;
    CWatch readerWatch_;
    CWatch writerWatch_;
};
