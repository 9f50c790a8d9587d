#pragma once
// The history library's windows over the main frame: Window - History, with
// its restore through the main window's write and its copy to the patch
// clipboard.
class CHistoryWindow;
class CMainFrame;

// Shows the History window (brings the open one forward); null, with
// message 104, when the program runs without a library.
CHistoryWindow* OpenHistoryWindow(CMainFrame& frame);
