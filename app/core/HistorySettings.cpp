#include "app/core/HistorySettings.h"

#include "toolkit/profile/Profile.h"

namespace {

constexpr const char* kKeepHistoryPath = "Option/KeepHistory";

} // namespace

bool LoadKeepHistory(GT::IProfile& profile) { return profile.GetInt(kKeepHistoryPath, 1) != 0; }

bool SaveKeepHistory(GT::IProfile& profile, bool on) { return profile.WriteInt(kKeepHistoryPath, on ? 1 : 0); }
