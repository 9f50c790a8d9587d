#pragma once
// A dialog the user can resize, which never gets smaller than it was laid
// out and can remember its size and rectangle in the profile. The child
// widgets follow the dialog through ordinary Qt layouts; LayoutControls is
// there for a derived dialog that places something by hand.
#include "toolkit/profile/Profile.h"

#include <QDialog>
#include <QSize>

#include <string>

namespace GP {

class CResizeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CResizeDlg(QWidget* parent = nullptr, bool resizable = true, GT::IProfile& profile = GT::GetProfile());
    ~CResizeDlg() override;

    // The size the dialog had when it was first shown: its minimum.
    QSize InitialSize() const { return initialSize_; }
    bool IsInitialized() const { return initialized_; }

protected:
    // Profile names of the remembered rectangle ("left,top,right,bottom")
    // and size ("width,height"); empty names remember nothing.
    virtual void GetRectProfileKey(std::string& section, std::string& key) const;
    virtual void GetSizeProfileKey(std::string& section, std::string& key) const;
    // Called with the new client size after every resize once initialised.
    virtual void LayoutControls(int width, int height);

    GT::IProfile& Profile() const { return profile_; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Initialize();
    void RestoreSizeAndRect();
    void SaveSizeAndRect();

    GT::IProfile& profile_; // not owned
    bool resizable_;
    bool initialized_ = false;
    QSize initialSize_;
};

} // namespace GP
