#pragma once
// Whether the patch lists show grid lines: one setting for every list of the
// program. The application keeps it and hands it to the views; Set Up Grid
// in any window changes it for all of them.
class IGridSetting {
public:
    virtual ~IGridSetting() = default;
    // 0: no grid lines; anything else: lines.
    virtual int GetGridSwitch() const = 0;
    virtual void SetGridSwitch(int on) = 0;
};
