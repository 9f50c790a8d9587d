#pragma once
// The question asked before a patch is sent to the unit's temporary patch
// for listening, which overwrites the sound the unit is playing. The
// application answers it with its warning dialog (which the user can turn
// off); tests answer it directly.
class IPreviewConfirmation {
public:
    virtual ~IPreviewConfirmation() = default;
    // True to go on: the user confirmed, or asked not to be asked again.
    // index: the patch of the shown array that would be sent, which the
    // question names.
    virtual bool ConfirmPreview(int index) = 0;
};
