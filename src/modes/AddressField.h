#pragma once

#include <string>

class CMaskedEdit;

// The Bluetooth address field of the Add Device, Add Server and Repeater Mode dialogs: a
// masked edit that takes six pairs of characters and shows them joined by the time separator
// of the user's locale, with the prompt on the places not typed yet. What the field shows
// between the pairs is the operator's locale; what goes to the appliance always has ":".

constexpr const char* kAddressMask = "&&:&&:&&:&&:&&:&&";

// Gives `edit`, constructed without a mask, the prompt "_" and the address mask. The dialog
// calls it from its constructor; nothing is shown before the window exists.
void SetUpAddressField(CMaskedEdit& edit);
// True when all twelve input positions are filled.
bool IsAddressComplete(const CMaskedEdit& edit);
// The address as the appliance takes it and lists it: the twelve input characters as six pairs
// joined by ":" (the prompt stands on places not typed), whatever separator the field shows.
std::string AddressForAppliance(const CMaskedEdit& edit);
