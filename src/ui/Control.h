#pragma once

#include <string>
#include <string_view>

#include "ui/DialogResource.h"

class CDialog;
class IControlPeer;

// One control of a dialog, created from its template when the dialog is constructed and reset
// to the template's state every time the dialog's window is created. Its state is the truth;
// a renderer's peer only mirrors it. Everything here runs on the UI thread.
class CControl {
public:
    CControl(CDialog& owner, const CControlTemplate& tmpl);
    virtual ~CControl() = default;
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    int GetDlgCtrlID() const { return m_template.id; }
    ControlKind Kind() const { return m_template.kind; }
    const CControlTemplate& Template() const { return m_template; }
    bool HasStyle(unsigned style) const { return (m_template.style & style) != 0; }
    CDialog& Owner() const { return m_owner; }

    bool IsWindowEnabled() const { return m_bEnabled; }
    void EnableWindow(bool enable = true);
    bool IsWindowVisible() const { return m_bVisible; }
    void ShowWindow(bool show);

    // The window text: caption of statics and buttons, content of edits and combo fields.
    virtual std::string GetWindowText() const { return m_strText; }
    virtual void SetWindowText(std::string_view text);

    // Focus, as the renderer reports it or as code moves it.
    bool HasFocus() const { return m_bFocus; }
    void SetFocus();

    // Client rectangle in pixels: the peer's when rendered, else the template's size in
    // dialog units converted by the owner.
    CRect GetClientRect() const;

    // With redraw off the renderer's peer is not told of changes (bulk updates, as the
    // platform's WM_SETREDRAW); turning it on again mirrors the state once if it changed.
    void SetRedraw(bool redraw);

    // Back to the template's state; called when the owner's window is created.
    virtual void Reset();

    // The renderer's attachment; see IControlPeer.
    void AttachPeer(IControlPeer* peer) { m_pPeer = peer; }
    IControlPeer* Peer() const { return m_pPeer; }

    // Input reported by a renderer or the scripted backend (the operator's actions). These
    // deliver the notifications the platform would.
    virtual void OnFocusChange(bool focused);

protected:
    // Tells the peer to mirror the state again.
    void Changed();
    // Sends a notification to the owner and returns once its handler has run.
    void Notify(int code, int item = -1, CPoint point = {});
    // The stored window text, without the copy GetWindowText makes.
    const std::string& StoredText() const { return m_strText; }
    void SetTextSilently(std::string_view text) { m_strText = text; }
    void AppendTextSilently(std::string_view text) { m_strText.append(text); }

private:
    CDialog& m_owner;
    CControlTemplate m_template;
    std::string m_strText;
    bool m_bEnabled = true;
    bool m_bVisible = true;
    bool m_bFocus = false;
    bool m_bRedraw = true;
    bool m_bChangedUnseen = false;
    IControlPeer* m_pPeer = nullptr;
};

// Turns a control's redraw off for a rebuild, so that it is shown only whole (also when an
// exchange in between repaints the windows), and on again when the scope ends.
class CRedrawHold {
public:
    explicit CRedrawHold(CControl& control) : m_control(control) { m_control.SetRedraw(false); }
    ~CRedrawHold() { m_control.SetRedraw(true); }
    CRedrawHold(const CRedrawHold&) = delete;
    CRedrawHold& operator=(const CRedrawHold&) = delete;

private:
    CControl& m_control;
};
