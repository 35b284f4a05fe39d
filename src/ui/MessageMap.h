#pragma once

#include <functional>
#include <vector>

#include "ui/Types.h"

class CDialog;

// One entry of a dialog's message map: a message (with, for WM_COMMAND and WM_NOTIFY, the
// control id and notification code it answers) and the handler it calls.
struct CMessageMapEntry {
    UINT message = 0;
    int id = 0;
    int code = 0;
    std::function<void(const CMessage&)> handler;
};

// Fills a dialog's message map in its constructor, one line per handler:
//     MessageMap()
//         .Clicked(1008, &CSearchDlg::OnSearch)
//         .Notify(1007, LVN_ITEMCHANGED, &CSearchDlg::OnItemChangedList);
class CMessageMapBuilder {
public:
    explicit CMessageMapBuilder(CDialog& dialog, std::vector<CMessageMapEntry>& entries)
        : m_dialog(dialog), m_entries(entries) {}

    // BN_CLICKED from button `id`.
    template <class T> CMessageMapBuilder& Clicked(int id, void (T::*fn)()) {
        return Command(id, BN_CLICKED, fn);
    }
    // A command notification (EN_CHANGE, CBN_SELCHANGE, ...) from control `id`.
    template <class T> CMessageMapBuilder& Command(int id, int code, void (T::*fn)()) {
        T& self = Self<T>();
        return Add(WM_COMMAND, id, code, [&self, fn](const CMessage&) { (self.*fn)(); });
    }
    // A WM_NOTIFY notification (NM_CLICK, LVN_ITEMCHANGED, ...) from control `id`.
    template <class T>
    CMessageMapBuilder& Notify(int id, int code, void (T::*fn)(const CNotification&)) {
        T& self = Self<T>();
        return Add(WM_NOTIFY, id, code, [&self, fn](const CMessage& m) { (self.*fn)(m.notify); });
    }
    template <class T> CMessageMapBuilder& Notify(int id, int code, void (T::*fn)()) {
        T& self = Self<T>();
        return Add(WM_NOTIFY, id, code, [&self, fn](const CMessage&) { (self.*fn)(); });
    }
    // A message of the program's own (WM_USER and above) or of the platform.
    template <class T> CMessageMapBuilder& Message(UINT message, void (T::*fn)()) {
        T& self = Self<T>();
        return Add(message, 0, 0, [&self, fn](const CMessage&) { (self.*fn)(); });
    }
    // WM_TIMER, with the timer id.
    template <class T> CMessageMapBuilder& Timer(void (T::*fn)(UINT)) {
        T& self = Self<T>();
        return Add(WM_TIMER, 0, 0,
                   [&self, fn](const CMessage& m) { (self.*fn)(static_cast<UINT>(m.wParam)); });
    }
    // WM_SYSCOMMAND, with the command id.
    template <class T> CMessageMapBuilder& SysCommand(void (T::*fn)(UINT)) {
        T& self = Self<T>();
        return Add(WM_SYSCOMMAND, 0, 0,
                   [&self, fn](const CMessage& m) { (self.*fn)(static_cast<UINT>(m.wParam)); });
    }

private:
    template <class T> T& Self() { return static_cast<T&>(m_dialog); }
    CMessageMapBuilder& Add(UINT message, int id, int code,
                            std::function<void(const CMessage&)> handler) {
        m_entries.push_back(CMessageMapEntry{message, id, code, std::move(handler)});
        return *this;
    }

    CDialog& m_dialog;
    std::vector<CMessageMapEntry>& m_entries;
};
