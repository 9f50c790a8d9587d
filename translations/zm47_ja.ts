<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AppOptions</name>
    <message>
        <source>Use the simulated ZM-47 (&quot;ZM-47 Simulator&quot;) when no MIDI devices are chosen yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the simulated unit&apos;s memory in FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the windows and messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not register the .z4l file type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show these options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A librarian file (.z4l) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang takes en or ja, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sim-memory is used with --simulator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sim-memory needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one file can be opened at start-up.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CApp</name>
    <message>
        <source>Unable to create MIDI manager.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read initial file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDocMan</name>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot overwrite this file because it is already in use.</source>
        <translation>ファイルは現在使用中です。上書きできません。</translation>
    </message>
</context>
<context>
    <name>CFileDialogA</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImageFrame</name>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImageView</name>
    <message>
        <source>Memory / Sound Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZM-47 Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZM-47 Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMDIDocument</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMDIFrameWndEx</name>
    <message>
        <source>&amp;Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup window list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup window go menu(only for Accel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize to Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize the window to full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize window height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize window width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Current Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always at the Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always place the window at the top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move this window to top</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>ZM-47 Librarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uplicate	Ctrl+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import SMF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export SMF All &amp;Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export SMF S&amp;elected Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace	Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;nitialize	Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read &amp;Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W&amp;rite Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Up &amp;MIDI Devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Up &amp;Font...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Up &amp;Grid...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual	F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ZM-47 Librarian...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMidiSetupDialog</name>
    <message>
        <source>Set Up MIDI Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Device ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;nput:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;utput:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMidiWarningDlg</name>
    <message>
        <source>ZM-47 Librarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CParamView</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CParameterListCtrl</name>
    <message>
        <source>End of Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPatchListCtrl</name>
    <message>
        <source>The character &quot;%1&quot; cannot be used in a patch name. A name can hold letters, digits, blanks and signs only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProgressBar</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReplaceStringDlg</name>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace String</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search String(&amp;S):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace String(&amp;R):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSetGridDlg</name>
    <message>
        <source>Grid &amp;OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid O&amp;N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Up Grid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTextOutWindow</name>
    <message>
        <source>Diagnostic Messages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWindowListDlg</name>
    <message>
        <source>Open(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TileH(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TileV(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one or more windows in the list, then:
Open: bring them to the front.
Close: close them.
Leave: keep them open and minimize all others.
TileH / TileV: keep them, minimize all others and tile them one above another or side by side.
Done: close this list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GP::CEditListCtrl</name>
    <message>
        <source>This text cannot be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be stored in this text. Please remove it or use another character.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
