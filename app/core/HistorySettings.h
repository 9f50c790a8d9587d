#pragma once
// Whether the program keeps the unit's history and every patch it sees in
// the history library: "KeepHistory" in section "Option" of the profile
// (default 1), changed by Setup - Keep History.
namespace GT {
class IProfile;
}

bool LoadKeepHistory(GT::IProfile& profile);
bool SaveKeepHistory(GT::IProfile& profile, bool on);
