#pragma once
// What the window program shows while the unit is awaited: the transfer's
// progress window, shown at once when no transfer has shown it (the identity
// check before a read or write, a preview), with Cancel and a line that says
// what is awaited and where, "Waiting for the ZM-47 (device ID 17) on ...".
// It lets the windows run while the requester waits, so nothing freezes,
// and Cancel stops the wait and the operation.
#include "engine/WaitObserver.h"

#include <QCoreApplication>
#include <QString>

namespace UL {
class CProgressBar;
}

class CTransferWaitWindow final : public IOruWaitObserver {
    Q_DECLARE_TR_FUNCTIONS(CTransferWaitWindow)
public:
    // progress is not owned and outlives this object.
    explicit CTransferWaitWindow(UL::CProgressBar& progress);
    ~CTransferWaitWindow() override;

    void WaitBegins(const SOruWait& wait) override;
    bool WaitGoesOn() override;
    void WaitEnds() override;

    // The line for a wait.
    static QString WaitText(const SOruWait& wait);

private:
    UL::CProgressBar& progress_; // not owned
    bool shownHere_ = false;     // the window was shown for the wait alone
};
