#pragma once
// The common face of the small editors laid over list cells: a text edit, a
// drop-down list and a numeric spin edit.
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>

class QEventLoop;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace GP {

class IPopup {
public:
    enum Kind { kKindEdit = 0, kKindSpinEdit = 1, kKindComboBox = 2 };
    // What a pop-up reports for Enter and Escape, and what RunModal returns.
    enum Return { kReturnEnter = 1, kReturnEscape = 2 };

    virtual ~IPopup() = default;
    IPopup(const IPopup&) = delete;
    IPopup& operator=(const IPopup&) = delete;

    // The editor's widget.
    virtual QWidget* GetWnd() = 0;
    // Runs the editor by itself as a modal pop-up over rect (in parent's
    // coordinates, or the screen's without a parent): kReturnEnter after an
    // accepted Enter, kReturnEscape after Escape or when closed.
    virtual int RunModal(const QRect& rect, QWidget* parent) = 0;

    // The text shown: for a spin edit the formatted number, for a drop-down
    // the selected entry.
    virtual QString GetText() const = 0;
    virtual void SetText(const QString& text) = 0;

    Kind GetKind() const { return kind_; }
    const QRect& GetCellRect() const { return cellRect_; }
    std::intptr_t GetUserValue() const { return userValue_; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

protected:
    IPopup(Kind kind, const QRect& cellRect, std::intptr_t userValue)
        : kind_(kind), cellRect_(cellRect), userValue_(userValue) {}
    void SetCellRect(const QRect& rect) { cellRect_ = rect; }
    // RunModal's loop: shows widget over rect (a frameless window when there
    // is no parent) and returns the code given to EndModal.
    int RunModalLoop(QWidget& widget, const QRect& rect, QWidget* parent);
    // Ends RunModalLoop with code; false when no modal loop runs.
    bool EndModal(int code);
    bool IsModal() const { return modalLoop_ != nullptr; }
    // Lays edit over the cell wide enough for its whole text, never
    // narrower than the cell: growing to the right, or to the left
    // (keeping the cell's right edge) when growLeft.
    void WidenOverCell(QLineEdit& edit, bool growLeft) const;
    // Enter and Escape as the edits take them: Enter ends a modal run when
    // acceptable() says the value can be taken, else (not modal) it goes to
    // report; Escape ends a modal run, else goes to report. True when the
    // key was one of them and has been accepted.
    bool TakeReturnKey(QKeyEvent& event, const std::function<bool()>& acceptable,
                       const std::function<void(int code)>& report);

private:
    Kind kind_;
    QRect cellRect_;
    std::intptr_t userValue_;
    bool modified_ = false;
    QEventLoop* modalLoop_ = nullptr;
    int modalResult_ = 0;
};

} // namespace GP
