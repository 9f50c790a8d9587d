#include "app/main/AppEventHooks.h"

#include "messages/BufferedErrorOut.h"
#include "toolkit/qt/ProgressBar.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace {

constexpr int kRetryMs = 20;

} // namespace

CAppEventHooks::CAppEventHooks() : queue_(msgwin::MessageQueue::SharedForCurrentThread()) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &CAppEventHooks::Dispatch);
    queue_->SetWakeHook([this] { Wake(); });
    queue_->SetPaintHook([] { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); });
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &CAppEventHooks::OnAboutToBlock);
    // Messages posted before the hooks existed.
    if (queue_->PendingCount() > 0)
        Wake();
}

CAppEventHooks::~CAppEventHooks() {
    // The wake hook runs under the queue's hook lock, so once this returns no
    // other thread is inside Wake.
    queue_->SetWakeHook({});
    queue_->SetPaintHook({});
}

void CAppEventHooks::Wake() {
    if (scheduled_.exchange(true))
        return;
    QMetaObject::invokeMethod(this, &CAppEventHooks::Dispatch, Qt::QueuedConnection);
}

void CAppEventHooks::Dispatch() {
    scheduled_ = false;
    if (UL::GetProgressBarB().IsPumping()) {
        retry_.start();
        return;
    }
    queue_->DispatchAll();
}

void CAppEventHooks::OnAboutToBlock() {
    if (idleQueued_ || GetBufferedErrorOut().GetBuffer().empty())
        return;
    // Never show a message box from inside the dispatcher's wait.
    idleQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            idleQueued_ = false;
            OnIdle();
        },
        Qt::QueuedConnection);
}

void CAppEventHooks::OnIdle() { GetBufferedErrorOut().Flush(); }
