#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Types.h"

class CDialog;
class CControl;
struct CDialogResource;

// A popup menu entry; an empty text is a separator.
struct CMenuItem {
    UINT id = 0;
    std::string text;
};

// What a file dialog asks for: a file to write (which may exist) or an existing file to read.
enum class FileChoice { Save, Open };

// Watches a socket for readability on the UI thread until destroyed.
class IReadWatch {
public:
    virtual ~IReadWatch() = default;
    // Pauses or resumes the watch (a paused watch calls nothing).
    virtual void SetEnabled(bool enabled) = 0;
};

// What the dialog framework needs from a platform: windows, the event loop, message boxes,
// timers, posted messages and a few services. One implementation renders with Qt, another
// is the scripted backend of the tests. Everything is called on the UI thread only.
class IUiBackend {
public:
    virtual ~IUiBackend() = default;

    // Shows `dialog` modally and returns after it ended (CDialog::EndDialog). The backend
    // calls dialog.WindowCreated() once its peers are attached, and dialog.WindowDestroying()
    // before it takes them away. Blocks the caller, dispatching events meanwhile.
    virtual void RunModal(CDialog& dialog) = 0;
    // Shows a modeless window for `dialog`: a child of `host` (a control of another dialog,
    // such as the tab strip holding the pages) or a pop-up when `host` is null. Calls
    // dialog.WindowCreated() before it returns. The dialog stays owned by its owner.
    virtual void CreateModeless(CDialog& dialog, CControl* host) = 0;
    // Takes away the window of a modeless dialog; calls dialog.WindowDestroying() first.
    virtual void DestroyModeless(CDialog& dialog) = 0;
    // The dialog's own window state changed: caption, position, size, visibility, focus.
    virtual void WindowChanged(CDialog& dialog) = 0;

    // Shows a modal message box and returns the id of the button pressed (IDOK, ...).
    virtual int MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                           UINT type) = 0;
    // Shows the platform's modal file dialog captioned `caption`, for a file of kind
    // `filter` ("Settings files (*.txt)"), starting from the file name `defaultName` (Save),
    // and returns the chosen path; empty when the operator cancelled.
    virtual std::string ChooseFile(CDialog* owner, FileChoice kind, std::string_view caption,
                                   std::string_view defaultName, std::string_view filter) = 0;
    // Shows a popup menu at `point`, in pixels of `owner`'s client area (CDialog's
    // TrackPopupMenu passes its client point on), and returns the id chosen, 0 for none.
    virtual UINT TrackPopupMenu(CDialog& owner, const std::vector<CMenuItem>& items,
                                CPoint point) = 0;

    // Window timers: WM_TIMER with `id` to `dialog` every `elapse` ms until killed.
    virtual void SetTimer(CDialog& dialog, UINT id, UINT elapse) = 0;
    virtual void KillTimer(CDialog& dialog, UINT id) = 0;
    // Queues a message for the window `hwnd`; delivered later on the UI thread, never while
    // the UI is blocked, and dropped when the window is gone by then.
    virtual void PostMessage(int hwnd, const CMessage& message) = 0;

    // Milliseconds on the backend's clock (real or virtual).
    virtual std::uint64_t GetTickCount() = 0;
    // Waits `ms` milliseconds on the UI thread without dispatching input, timers or posted
    // messages; windows keep painting (the reboot wait).
    virtual void WaitWithoutInput(int ms) = 0;
    // Lets windows repaint now while the UI thread is blocked (no other dispatching).
    virtual void RepaintNow() = 0;
    // The UI became blocked or free again (CBlockingScope); a backend holds back input,
    // timers and posted messages meanwhile and delivers what waits once it is free.
    virtual void BlockingChanged(bool blocked) = 0;

    // Calls `onReadable` on the UI thread whenever socket `fd` is readable and the UI is
    // not blocked, while the watch lives and is enabled.
    virtual std::unique_ptr<IReadWatch> WatchReadable(int fd, std::function<void()> onReadable) = 0;

    virtual void Beep() = 0;
    virtual std::string GetClipboardText() = 0;
    virtual void SetClipboardText(std::string_view text) = 0;

    // Pixels per 4 horizontal and 8 vertical dialog units for the resource's font.
    virtual CSize DialogBaseUnits(const CDialogResource& resource) = 0;
};
