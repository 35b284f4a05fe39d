#include "modes/AddressField.h"

#include <string_view>

#include "controls/MaskedEdit.h"
#include "ui/Text.h"

void SetUpAddressField(CMaskedEdit& edit) {
    edit.SetPromptChar('_');
    edit.ApplyMask(kAddressMask);
}

bool IsAddressComplete(const CMaskedEdit& edit) {
    // No input position shows the prompt any more: the first blank is past the mask's end.
    return edit.FindFirstBlank(0) == static_cast<int>(std::string_view(kAddressMask).size());
}

std::string AddressForAppliance(const CMaskedEdit& edit) {
    const std::string input = edit.GetInputChars();
    std::string address;
    for (int pair = 0; pair < 6; ++pair)
        address += (pair == 0 ? "" : ":") + Mid(input, pair * 2, 2);
    return address;
}
