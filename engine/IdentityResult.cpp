#include "engine/IdentityResult.h"

namespace {

int& IdentityResult() {
    static int result = kIdentityNotConfirmed;
    return result;
}

} // namespace

int GetIdentityResult() { return IdentityResult(); }

void SetIdentityResult(int result) { IdentityResult() = result; }
