#include "ui/DialogResource.h"

const CControlTemplate* CDialogResource::Find(int controlId) const {
    for (const CControlTemplate& control : controls)
        if (control.id == controlId)
            return &control;
    return nullptr;
}
