#include "modes/AddressField.h"

#include <string_view>

#include "controls/MaskedEdit.h"

void SetUpAddressField(CMaskedEdit& edit) {
    edit.SetPromptChar('_');
    edit.ApplyMask(kAddressMask);
}

bool IsAddressComplete(const CMaskedEdit& edit) {
    // No input position shows the prompt any more: the first blank is past the mask's end.
    return edit.FindFirstBlank(0) == static_cast<int>(std::string_view(kAddressMask).size());
}
