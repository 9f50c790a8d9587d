#pragma once
// The history library's windows over the main frame: Window - History, with
// its restore through the main window's write and its copy to the patch
// clipboard, and Edit - Find, with its preview and its way to where a found
// patch is.
class CFindWindow;
class CHistoryWindow;
class CMainFrame;

// Shows the History window (brings the open one forward); null, with
// message 104, when the program runs without a library.
CHistoryWindow* OpenHistoryWindow(CMainFrame& frame);
// Shows the Find window (brings the open one forward, its text chosen);
// null, with message 104, when the program runs without a library.
CFindWindow* OpenFindWindow(CMainFrame& frame);
