#pragma once
// What the main window says about where its rows came from: the line above
// an area's list, and each marked row's look and tool tip.
#include "data/UnitProvenance.h"
#include "toolkit/qt/EditListCtrl.h"

#include <QColor>
#include <QString>

#include <cstdint>

// A time of the unit's history as the windows show it: local date and time,
// "2026-12-08 10:00".
QString UnitTimeText(std::int64_t secondsSinceEpoch);

// The line above an area's list; empty when there is nothing to say (every
// row read or written, none changed).
QString AreaNoticeText(const AreaSummary& summary);

// The colours of the row marks: changed in the window and not written, and
// changed on the unit since its last known state.
QColor ChangedHereColor();
QColor ChangedOnUnitColor();

GP::CEditListCtrl::RowLook RowLookOf(const RowStatus& status);
