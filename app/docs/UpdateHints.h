#pragma once
// What an update of the views is about: the contents of the document changed,
// the main window switched to another area, or the list font changed.
enum UpdateHint : int {
    kHintContents = 0,
    kHintArea = 1,
    kHintFont = 2,
};
