#include "toolkit/qt/CursorApplier.h"

#include <QCursor>
#include <QGuiApplication>

namespace UL {

Qt::CursorShape CursorShapeOf(int kind) {
    switch (kind) {
    case kCursorWait:
        return Qt::WaitCursor;
    case kCursorIBeam:
        return Qt::IBeamCursor;
    case kCursorCross:
        return Qt::CrossCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void CCursorApplier::operator()(int kind) {
    if (kind == kCursorDefault) {
        if (overriding_)
            QGuiApplication::restoreOverrideCursor();
        overriding_ = false;
        return;
    }
    // One override of our own, changed in place: the stack already keeps
    // the order of the requests.
    if (overriding_)
        QGuiApplication::changeOverrideCursor(QCursor(CursorShapeOf(kind)));
    else
        QGuiApplication::setOverrideCursor(QCursor(CursorShapeOf(kind)));
    overriding_ = true;
}

void InstallCursorApplier(CCursor& cursor) { cursor.SetApplier(CCursorApplier{}); }

} // namespace UL
