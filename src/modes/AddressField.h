#pragma once

class CMaskedEdit;

// The Bluetooth address field of the Add Device and Add Server dialogs: a masked edit that
// takes six pairs of hexadecimal digits and shows them joined by ":", with "_" on the places
// not typed yet. Its window text is the address as it goes out to the appliance.

constexpr const char* kAddressMask = "&&:&&:&&:&&:&&:&&";

// Gives `edit`, constructed without a mask, the prompt "_" and the address mask. The dialog
// calls it from its constructor; nothing is shown before the window exists.
void SetUpAddressField(CMaskedEdit& edit);
// True when all twelve digits are typed.
bool IsAddressComplete(const CMaskedEdit& edit);
