#pragma once
// Progress of a long operation (reading or writing the unit) with an optional
// "Cancel". The dialog that implements it comes with the windows; code below
// them only reports through this interface.
#include <string_view>

namespace GT {

class IProgress {
public:
    virtual ~IProgress() = default;
    // Position 0, not cancelled; shows the progress. False when it could not
    // be shown.
    virtual bool Begin() = 0;
    // Hides the progress again.
    virtual void End() = 0;
    // The position that means "done".
    virtual void SetRange(int maximum) = 0;
    // Shows the progress if needed; false when it could not be shown.
    virtual bool SetPos(int position) = 0;
    virtual void SetTitle(std::string_view text) = 0;
    // The line of text under the title; shows the progress if needed.
    virtual bool SetText(std::string_view text) = 0;
    // Whether "Cancel" is offered.
    virtual void SetCancellable(bool cancellable) = 0;
    // Lets the user interface run and tells whether the user cancelled.
    virtual bool IsCancelled() = 0;
};

} // namespace GT
