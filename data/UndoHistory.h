#pragma once
// The undo and redo steps of a document's areas. Each area keeps its own
// steps, so that Undo in the area a window shows takes back the latest change
// to that area. A change that touched every area at once (an SMF import) is
// one group: undoing or redoing it in one area does it in every area whose
// latest step is still that group.
#include "data/ImageData.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CUndoHistory {
public:
    // Steps kept per area; the oldest are forgotten beyond it.
    static constexpr std::size_t kMaxSteps = 100;

    // Remembers area n of image (1..7, or every area for 0) before a change
    // and forgets what could be redone there. Other numbers change nothing.
    void Save(int areaNumber, const CImageData& image);
    bool CanUndo(int areaNumber) const;
    bool CanRedo(int areaNumber) const;
    // Take back, or make again, the latest step of area n in image.
    void Undo(int areaNumber, CImageData& image);
    void Redo(int areaNumber, CImageData& image);
    // Takes back the latest step of area n and forgets it, with nothing to
    // redo: for a change that failed half-way (a read the unit broke off).
    void Revert(int areaNumber, CImageData& image);

private:
    struct SStep {
        CImageData::PatchArray contents;
        // 0 for a step of one area; shared by the steps of one group.
        std::uint64_t group = 0;
    };
    struct SArea {
        std::vector<SStep> undo;
        std::vector<SStep> redo;
    };
    using StepsOf = std::vector<SStep> SArea::*;

    // Moves the latest step of `from` in area n to `to`, exchanging its
    // contents with the image's, then does the same for the rest of its group.
    // Returns the areas changed.
    std::vector<int> Move(int areaNumber, CImageData& image, StepsOf from, StepsOf to);
    static void MoveOne(SArea& area, CParameterArray& current, StepsOf from, StepsOf to);
    SArea* Find(int areaNumber);
    const SArea* Find(int areaNumber) const;

    SArea areas_[7];
    std::uint64_t lastGroup_ = 0;
};
