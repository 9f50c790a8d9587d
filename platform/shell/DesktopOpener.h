#pragma once
// Opening a file with the desktop's application for it, behind an interface
// so that tests can answer in its place.
#include <QString>

#include <memory>

class IDesktopOpener {
public:
    virtual ~IDesktopOpener() = default;
    // False when the desktop could not open the file.
    virtual bool OpenLocalFile(const QString& path) = 0;
};

// QDesktopServices.
class CDesktopOpener : public IDesktopOpener {
public:
    bool OpenLocalFile(const QString& path) override;
};

// The process-wide opener, a CDesktopOpener until another is installed.
IDesktopOpener& GetDesktopOpener();
// Installs a replacement (tests) and hands back the previous one.
std::unique_ptr<IDesktopOpener> SetDesktopOpener(std::unique_ptr<IDesktopOpener> opener);
