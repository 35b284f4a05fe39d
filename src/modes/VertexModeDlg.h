#pragma once

#include "ui/Dialog.h"

enum : int { IDD_VERTEX_MODE = 136 };

// The Vertex Mode dialog: the Vertex port and the maximum number of connections. A member of
// the Operation Mode page, opened again and again.
// Its exchange with the appliance is not written yet: for now it only offers OK and Cancel.
class CVertexModeDlg : public CDialog {
public:
    CVertexModeDlg();
};
