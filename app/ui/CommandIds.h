#pragma once
// The numbers of the librarian's commands. Menus, accelerators, the tool bar
// and the main window's buttons all trigger a command by its number, and the
// frame routes it to whoever handles it. The commands themselves, with their
// texts and places, are the rows of CommandRows.h.
enum CommandId : int {
#define ZM47_COMMAND(id, number, ...) id = number,
#define ZM47_SEPARATOR(menu)
#include "app/ui/CommandRows.h"
#undef ZM47_COMMAND
#undef ZM47_SEPARATOR
};

// The main window's buttons (form 4111): the unit's Read and Write groups.
enum MainWindowButton : int {
    kButtonReadAll = 4267,
    kButtonReadSelected = 4268,
    kButtonWriteAll = 4269,
    kButtonWriteSelected = 4270,
};
