#include "views/ProvenanceText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

QString UnitTimeText(std::int64_t secondsSinceEpoch) {
    return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString AreaNoticeText(const AreaSummary& summary) {
    switch (summary.notice) {
    case AreaNotice::kReading:
        return QCoreApplication::translate("ProvenanceText", "Last read %1, reading from the ZM-47…")
            .arg(UnitTimeText(summary.time));
    case AreaNotice::kRemembered:
        return QCoreApplication::translate(
                   "ProvenanceText",
                   "Last known state from %1: it could not be read from the ZM-47 now, so it is not written")
            .arg(UnitTimeText(summary.time));
    case AreaNotice::kNotRead:
        return QCoreApplication::translate("ProvenanceText", "Not read from the ZM-47");
    case AreaNotice::kChangedOnUnit:
        return QCoreApplication::translate("ProvenanceText", "Marked patches were changed on the ZM-47 since %1")
            .arg(UnitTimeText(summary.time));
    case AreaNotice::kChangedByUser:
        return QCoreApplication::translate("ProvenanceText",
                                           "Marked rows were changed here and are not written to the ZM-47 (%1)")
            .arg(summary.changed);
    case AreaNotice::kNone:
        break;
    }
    return QString();
}

QColor ChangedHereColor() { return QColor(0xE0, 0x8A, 0x00); }

QColor ChangedOnUnitColor() { return QColor(0x2A, 0x6F, 0xDB); }

GP::CEditListCtrl::RowLook RowLookOf(const RowStatus& status) {
    GP::CEditListCtrl::RowLook look;
    QStringList tips;
    if (status.NotRead()) {
        look.dimmed = true;
        tips << QCoreApplication::translate("ProvenanceText", "Not read from the ZM-47");
    } else if (status.OnlyRemembered()) {
        look.dimmed = true;
        tips << QCoreApplication::translate("ProvenanceText", "Last known state from %1, not read from the ZM-47 now")
                    .arg(UnitTimeText(status.time));
    }
    if (status.changedOnUnitSince != 0) {
        look.mark = ChangedOnUnitColor();
        tips << QCoreApplication::translate("ProvenanceText", "Changed on the ZM-47 since %1")
                    .arg(UnitTimeText(status.changedOnUnitSince));
    }
    if (status.changed) {
        look.mark = ChangedHereColor();
        tips << QCoreApplication::translate("ProvenanceText", "Changed here, not written to the ZM-47");
    }
    look.tip = tips.join(QLatin1Char('\n'));
    return look;
}
