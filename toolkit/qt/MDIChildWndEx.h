#pragma once
// The child window every document window of the program stands in: it can
// remember its own position under a slot number, be stretched to the full
// height or width of the MDI area, and (when a derived window allows it)
// stay above its siblings.
#include "toolkit/profile/Profile.h"

#include <QMdiSubWindow>
#include <QString>

#include <string>

namespace GP {

class CMDIChildWndEx : public QMdiSubWindow {
    Q_OBJECT
public:
    // slot selects the profile entry "Window/Position<slot>".
    explicit CMDIChildWndEx(int slot, GT::IProfile& profile = GT::GetProfile(), QWidget* parent = nullptr);
    ~CMDIChildWndEx() override;

    // The title the window lists show.
    virtual QString GetTitle() const;
    // Whether the position saved for the slot is applied when the window is
    // first shown.
    virtual bool RestoresPosition() const;
    // Where the window opens when no saved position applies: at
    // InitialSize(), cascaded below the windows already open, inside the
    // usable area.
    virtual QRect DefaultGeometry() const;
    // The size of a window that opens without a saved position: two thirds
    // of the usable area, never less than the widget's minimum size.
    virtual QSize InitialSize() const;
    // Called by the frame once the MDI area has taken the window in, before
    // it is first shown.
    virtual void OnAddedToArea() {}
    // Whether "Always at the Top" may be switched on for this window.
    virtual bool CanStayOnTop() const;

    int GetSlot() const { return slot_; }
    std::string PositionPath() const;

    // The resize commands are offered only for a window that is neither
    // minimized nor maximized.
    bool CanResize() const;
    void ResizeToFull();
    void MaximizeHeight();
    void MaximizeWidth();
    // Writes the current rectangle as "x,y,width,height" under the slot.
    bool SaveCurrentPosition();

    bool IsAlwaysOnTop() const { return alwaysOnTop_; }
    // Toggles the flag (when CanStayOnTop) and brings the window up.
    void ToggleAlwaysOnTop();

    // The part of the MDI area the resize commands fill: the viewport less a
    // row of minimized windows at the bottom.
    QRect UsableArea() const;
    // The height of a minimized child window.
    int MinimizedHeight() const;

protected:
    // A window of `size` in `region`, a caption's height down and to the
    // right for each window already open there as a window; past the
    // region's room the cascade starts again at its top left.
    QRect CascadedIn(const QRect& region, QSize size) const;
    // Called once, on the first show, just before the window takes
    // DefaultGeometry (not when it takes a saved position): room may be
    // made for it there.
    virtual void BeforeDefaultPlacement() {}

    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    // False when no usable position is saved for the slot.
    bool RestorePosition();
    // Raises the siblings that stay on top above this window.
    void StayBelowTopWindows();

    int slot_;
    GT::IProfile& profile_; // not owned
    bool alwaysOnTop_ = false;
    bool shownOnce_ = false;
    bool ordering_ = false;
};

// The value a saved position holds for "let the window system decide".
inline constexpr int kDefaultPositionValue = -2147483647 - 1;

} // namespace GP
