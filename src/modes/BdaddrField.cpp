#include "modes/BdaddrField.h"

#include "controls/MaskedEdit.h"

namespace {

constexpr const char* kBdaddrMask = "&&:&&:&&:&&:&&:&&";
constexpr int kBdaddrMaskLength = 17;

} // namespace

void SetUpBdaddrField(CMaskedEdit& edit) {
    edit.SetPromptChar('_');
    edit.ApplyMask(kBdaddrMask);
}

bool IsBdaddrComplete(const CMaskedEdit& edit) {
    return edit.FindFirstBlank(0) == kBdaddrMaskLength;
}
