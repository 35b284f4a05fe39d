#pragma once

#include <string>
#include <vector>

#include "ui/Types.h"

// Readable names of the notifications the recording dialogs of the tests log.
inline std::string CodeName(int code) {
    switch (code) {
    case BN_CLICKED:
        return "BN_CLICKED";
    case EN_SETFOCUS:
        return "EN_SETFOCUS";
    case EN_KILLFOCUS:
        return "EN_KILLFOCUS";
    case EN_CHANGE:
        return "EN_CHANGE";
    case EN_UPDATE:
        return "EN_UPDATE";
    case CBN_SELCHANGE:
        return "CBN_SELCHANGE";
    case CBN_EDITCHANGE:
        return "CBN_EDITCHANGE";
    case NM_CLICK:
        return "NM_CLICK";
    case NM_RCLICK:
        return "NM_RCLICK";
    case LVN_ITEMCHANGED:
        return "LVN_ITEMCHANGED";
    case HDN_ITEMDBLCLICK:
        return "HDN_ITEMDBLCLICK";
    case TCN_SELCHANGE:
        return "TCN_SELCHANGE";
    case TVN_SELCHANGED:
        return "TVN_SELCHANGED";
    case TVN_ITEMEXPANDED:
        return "TVN_ITEMEXPANDED";
    case UDN_DELTAPOS:
        return "UDN_DELTAPOS";
    default:
        return std::to_string(code);
    }
}

// A test dialog that logs notifications: Command<Id, Code> and Notify<Id, Code> are
// message-map handlers that log "<id> <CODE>" (and the item, for WM_NOTIFY).
template <class Base> class CRecording : public Base {
public:
    std::vector<std::string> log;
    CPoint lastPoint;
    int lastDelta = 0;

    template <int Id, int Code> void Command() {
        log.push_back(std::to_string(Id) + " " + CodeName(Code));
    }
    template <int Id, int Code> void Notify(const CNotification& n) {
        log.push_back(std::to_string(Id) + " " + CodeName(Code) + " " + std::to_string(n.item));
        lastPoint = n.point;
        lastDelta = n.delta;
    }
    // The entries of `log` about control `id`, without the id, in order.
    std::vector<std::string> For(int id) const {
        std::vector<std::string> entries;
        const std::string prefix = std::to_string(id) + " ";
        for (const std::string& entry : log)
            if (entry.rfind(prefix, 0) == 0)
                entries.push_back(entry.substr(prefix.size()));
        return entries;
    }
};
