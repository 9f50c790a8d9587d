#include "app/ui/CommandTexts.h"

#include "app/ui/CommandIds.h"
#include "icons/ProgramIcons.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr auto kNoIcon = CCommandRow::kNoIcon;
constexpr auto kTheme = CCommandRow::kTheme;
constexpr auto kOwn = CCommandRow::kOwn;
constexpr int kToolBar = CCommandRow::kToolBar;
constexpr int kListMenu = CCommandRow::kListMenu;

constexpr std::array kRows{
#define ZM47_COMMAND(id, number, menu, label, key, prompt, tip, source, icon, places)                                 \
    CCommandRow{id, menu, label, key, prompt, tip, source, icon, places},
#define ZM47_SEPARATOR(menu) CCommandRow{0, menu, nullptr, nullptr, nullptr, nullptr, kNoIcon, nullptr, 0},
#include "app/ui/CommandRows.h"
#undef ZM47_COMMAND
#undef ZM47_SEPARATOR
};

constexpr std::array kMenus{
    CCommandMenu{kMenuFile, QT_TRANSLATE_NOOP("CommandTexts", "&File"), kMenuNone},
    CCommandMenu{kMenuExportSysEx, QT_TRANSLATE_NOOP("CommandTexts", "Expor&t SysEx"), kMenuFile},
    CCommandMenu{kMenuEdit, QT_TRANSLATE_NOOP("CommandTexts", "&Edit"), kMenuNone},
    CCommandMenu{kMenuMidi, QT_TRANSLATE_NOOP("CommandTexts", "&MIDI"), kMenuNone},
    CCommandMenu{kMenuSetup, QT_TRANSLATE_NOOP("CommandTexts", "&Setup"), kMenuNone},
    CCommandMenu{kMenuWindow, QT_TRANSLATE_NOOP("CommandTexts", "&Window"), kMenuNone},
    CCommandMenu{kMenuHelp, QT_TRANSLATE_NOOP("CommandTexts", "&Help"), kMenuNone},
};

QString Translate(const char* text) { return text ? QCoreApplication::translate("CommandTexts", text) : QString(); }

} // namespace

std::span<const CCommandRow> CommandRows() { return kRows; }

std::span<const CCommandMenu> CommandMenus() { return kMenus; }

QString CommandMenuTitle(CommandMenu menu) {
    for (const CCommandMenu& entry : kMenus)
        if (entry.menu == menu)
            return Translate(entry.title);
    return QString();
}

const CCommandRow* FindCommand(int id) {
    if (id == 0)
        return nullptr;
    for (const CCommandRow& row : kRows)
        if (row.id == id)
            return &row;
    return nullptr;
}

QString CommandLabel(int id) {
    const CCommandRow* row = FindCommand(id);
    return row ? Translate(row->label) : QString();
}

QList<QKeySequence> CommandShortcuts(int id) {
    const CCommandRow* row = FindCommand(id);
    return row && row->key ? QKeySequence::listFromString(QString::fromLatin1(row->key), QKeySequence::PortableText)
                           : QList<QKeySequence>();
}

QKeySequence CommandShortcut(int id) {
    const QList<QKeySequence> keys = CommandShortcuts(id);
    return keys.isEmpty() ? QKeySequence() : keys.front();
}

QString CommandPrompt(int id) {
    const CCommandRow* row = FindCommand(id);
    return row ? Translate(row->prompt) : QString();
}

QString CommandTip(int id) {
    const CCommandRow* row = FindCommand(id);
    return row ? Translate(row->tip) : QString();
}

QIcon CommandIcon(int id) {
    const CCommandRow* row = FindCommand(id);
    if (!row || row->source == CCommandRow::kNoIcon || !row->icon)
        return QIcon();
    const QString name = QString::fromLatin1(row->icon);
    return row->source == CCommandRow::kTheme ? ThemedIcon(name) : OwnIcon(name);
}
