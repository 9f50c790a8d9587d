#pragma once
// Whether the unit last answered the identity request with the expected
// family code: the device reader keeps it, the librarian state shows it.
constexpr int kIdentityNotConfirmed = -1;
constexpr int kIdentityConfirmed = 0;
