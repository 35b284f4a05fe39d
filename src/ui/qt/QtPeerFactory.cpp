#include "ui/qt/QtPeerFactory.h"

#include "ui/AnimationCtrl.h"
#include "ui/ButtonCtrl.h"
#include "ui/ComboBoxCtrl.h"
#include "ui/EditCtrl.h"
#include "ui/IpAddressCtrl.h"
#include "ui/ListViewCtrl.h"
#include "ui/SpinCtrl.h"
#include "ui/TabCtrl.h"
#include "ui/TreeViewCtrl.h"
#include "ui/qt/QtAnimationPeer.h"
#include "ui/qt/QtButtonPeer.h"
#include "ui/qt/QtComboBoxPeer.h"
#include "ui/qt/QtGroupBoxPeer.h"
#include "ui/qt/QtIpAddressPeer.h"
#include "ui/qt/QtLabelPeer.h"
#include "ui/qt/QtLineEditPeer.h"
#include "ui/qt/QtListViewPeer.h"
#include "ui/qt/QtMaskedEditPeer.h"
#include "ui/qt/QtSpinPeer.h"
#include "ui/qt/QtTabPeer.h"
#include "ui/qt/QtTextEditPeer.h"
#include "ui/qt/QtTreeViewPeer.h"

namespace {

CQtPeer* MakeEditPeer(CEditCtrl& edit, QWidget* window) {
    if (edit.HasStyle(ControlStyle::Masked))
        return new CQtMaskedEditPeer(edit, window);
    if (edit.HasStyle(ControlStyle::MultiLine))
        return new CQtTextEditPeer(edit, window);
    return new CQtLineEditPeer(edit, window);
}

} // namespace

CQtPeer* MakePeer(CControl& control, QWidget* window) {
    // A custom control bound in place of the resource's may be of another class than its kind
    // suggests; it is then shown by its text.
    switch (control.Kind()) {
    case ControlKind::Edit:
        if (auto* edit = dynamic_cast<CEditCtrl*>(&control))
            return MakeEditPeer(*edit, window);
        break;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        if (auto* button = dynamic_cast<CButtonCtrl*>(&control))
            return new CQtButtonPeer(*button, window);
        break;
    case ControlKind::ComboBox:
        if (auto* combo = dynamic_cast<CComboBoxCtrl*>(&control))
            return new CQtComboBoxPeer(*combo, window);
        break;
    case ControlKind::ListView:
        if (auto* list = dynamic_cast<CListViewCtrl*>(&control))
            return new CQtListViewPeer(*list, window);
        break;
    case ControlKind::TreeView:
        if (auto* tree = dynamic_cast<CTreeViewCtrl*>(&control))
            return new CQtTreeViewPeer(*tree, window);
        break;
    case ControlKind::IpAddress:
        if (auto* ip = dynamic_cast<CIpAddressCtrl*>(&control))
            return new CQtIpAddressPeer(*ip, window);
        break;
    case ControlKind::Spin:
        if (auto* spin = dynamic_cast<CSpinCtrl*>(&control))
            return new CQtSpinPeer(*spin, window);
        break;
    case ControlKind::Animation:
        if (auto* animation = dynamic_cast<CAnimationCtrl*>(&control))
            return new CQtAnimationPeer(*animation, window);
        break;
    case ControlKind::Tab:
        if (auto* tab = dynamic_cast<CTabCtrl*>(&control))
            return new CQtTabPeer(*tab, window);
        break;
    case ControlKind::GroupBox:
        return new CQtGroupBoxPeer(control, window);
    case ControlKind::Static:
    case ControlKind::Icon:
        break;
    }
    return new CQtLabelPeer(control, window);
}
