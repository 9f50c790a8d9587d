#pragma once
// Whether the unit last answered the identity request with the expected
// family code. One value for the whole program: the device reader sets it,
// the librarian state shows it.
constexpr int kIdentityNotConfirmed = -1;
constexpr int kIdentityConfirmed = 0;

int GetIdentityResult();
void SetIdentityResult(int result);
