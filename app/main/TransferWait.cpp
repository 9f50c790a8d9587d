#include "app/main/TransferWait.h"

#include "platform/shell/FixedNames.h"
#include "toolkit/qt/ProgressBar.h"

CTransferWaitWindow::CTransferWaitWindow(UL::CProgressBar& progress) : progress_(progress) {}

CTransferWaitWindow::~CTransferWaitWindow() {
    if (shownHere_)
        progress_.End();
}

QString CTransferWaitWindow::WaitText(const SOruWait& wait) {
    const QString model = QString::fromStdString(GetModelName());
    return tr("Waiting for the %1 (device ID %2) on %3, asked through %4\u2026")
        .arg(model)
        .arg(wait.deviceId + 1)
        .arg(QString::fromStdString(wait.input), QString::fromStdString(wait.output));
}

void CTransferWaitWindow::WaitBegins(const SOruWait& wait) {
    if (!progress_.IsShown()) {
        progress_.SetTitle("");
        progress_.SetRange(0);
        progress_.SetCancellable(true);
        progress_.SetText(
            wait.identity
                ? tr("Checking that the %1 answers").arg(QString::fromStdString(GetModelName())).toStdString()
                : std::string());
        progress_.Begin();
        shownHere_ = true;
    }
    progress_.SetDetail(WaitText(wait));
}

bool CTransferWaitWindow::WaitGoesOn() { return !progress_.IsCancelled(); }

void CTransferWaitWindow::WaitEnds() {
    progress_.SetDetail(QString());
    if (shownHere_) {
        shownHere_ = false;
        progress_.End();
    }
}
