#pragma once
// Something that handles commands: the views of the two kinds of windows,
// the file window's document and the application. The main frame asks the
// active view first, then its document, then the application; a command that
// none of them handles is disabled.
#include <QString>

class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // Whether this target handles the command at all (in this window).
    virtual bool HandlesCommand(int id) const = 0;
    // The command's enabling rule, asked only when HandlesCommand is true.
    virtual bool IsCommandEnabled(int id) const { return id != 0; }
    // Whether the command's menu item shows a check mark.
    virtual bool IsCommandChecked(int id) const { return id == 0; }
    // Runs the command (the frame has checked that it is enabled).
    virtual void OnCommand(int id) = 0;
    // The menu text of a command that names what it works on now ("History
    // of MEMORY 12"); empty for the command's own label.
    virtual QString CommandText(int /*id*/) const { return QString(); }
};
