#pragma once

class CMaskedEdit;

// The Bluetooth address field of the Add dialogs: a masked edit with the prompt "_" and the
// mask "&&:&&:&&:&&:&&:&&". The address goes to the appliance exactly as the field shows it,
// with its ":". UI thread, nothing blocks.

// Gives `edit`, made without a mask, the prompt and then the address mask; the dialog binds
// it in place of its resource's edit (style ControlStyle::Masked).
void SetUpBdaddrField(CMaskedEdit& edit);

// Whether all twelve input positions are filled (the first blank is past the last one).
bool IsBdaddrComplete(const CMaskedEdit& edit);
