#pragma once
// Hands the librarian commands to the windows: from the call on, every main
// window and librarian file window the main frame creates gets its command
// handlers, working on its own list and document, with the frame's
// confirmation and the document manager's windows.
class CDocMan;
class CMainFrame;

// frame and manager are not owned and outlive every window.
void InstallWindowCommands(CMainFrame& frame, CDocMan& manager);
