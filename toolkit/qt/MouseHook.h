#pragma once
// While a list edits, every mouse press of the program passes here first: a
// press on one of its pop-ups makes that one active, any other press ends the
// edit. Only one list edits at a time.
#include <QObject>

namespace GP {

class CEditListCtrl;

class CMouseHook : public QObject {
    Q_OBJECT
public:
    // Installs the hook for list (replacing any other list's).
    static void Install(CEditListCtrl& list);
    // Removes it if list holds it.
    static void Remove(CEditListCtrl& list);
    // The list editing now, or null.
    static CEditListCtrl* EditingList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CMouseHook() = default;
    static CMouseHook& Instance();
    CEditListCtrl* list_ = nullptr;
};

} // namespace GP
