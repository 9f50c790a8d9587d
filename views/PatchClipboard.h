#pragma once
// The patch clipboard the patch lists of every window share: Cut and Copy
// put patches on it, Insert and Replace take them from it. The application
// keeps it and hands it to the lists.
class CParameterArray;

class IPatchClipboard {
public:
    virtual ~IPatchClipboard() = default;
    virtual CParameterArray& GetPatchClipboard() = 0;
};
