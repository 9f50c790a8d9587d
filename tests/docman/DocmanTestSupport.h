#pragma once
// A file dialog that answers in place of the user, and a profile in a
// temporary INI file.
#include "app/docman/FileDialogRunner.h"
#include "toolkit/profile/IniProfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace test {

class AnsweringFileDialog : public IFileDialogRunner {
public:
    CFileDialogAnswer Run(const CFileDialogRequest& request) override {
        requests.push_back(request);
        CFileDialogAnswer given = answer;
        if (given.folder.isEmpty())
            given.folder = request.folder;
        return given;
    }
    // Answers OK with path, in the filter shown unless another is given.
    void Choose(const QString& path, int filterIndex = 0) {
        answer = {true, path, path.section(u'/', 0, -2), filterIndex};
    }
    void Cancel(int filterIndex = 0) { answer = {false, QString(), QString(), filterIndex}; }

    std::vector<CFileDialogRequest> requests;
    CFileDialogAnswer answer;
};

class TemporaryProfile {
public:
    TemporaryProfile()
        : profile_(std::make_unique<GT::CIniProfile>((folder_.path() + "/profile.ini").toStdString())) {}
    GT::IProfile& get() { return *profile_; }

private:
    QTemporaryDir folder_;
    std::unique_ptr<GT::CIniProfile> profile_;
};

} // namespace test
