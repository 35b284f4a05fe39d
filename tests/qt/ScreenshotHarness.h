#pragma once

#include <QImage>
#include <functional>
#include <string>

class CDialog;
class CQtBackend;

// Pictures of rendered dialogs for the build tree's screenshots/ directory.

// The dialog's window as an image, null when it has none.
QImage GrabDialog(const CQtBackend& backend, const CDialog& dialog);

// Whether an image shows more than one colour.
bool IsBlank(const QImage& image);

// Checks (gtest) that every static text of `dialog`'s window fits its label, wrapped as the
// label wraps it: a text that needs more room than the label has is clipped on screen.
void ExpectNoClippedText(const CDialog& dialog, const std::string& name);

// Renders `dialog` to <build>/screenshots/<name>.png (<name>@2x.png when the screen scales by
// 2) and checks (gtest) that the picture is not blank and no static text is clipped; returns
// the file's path. A dialog that has a window is taken as it is; a child page
// without one is created as a pop-up for the picture and destroyed again; any other dialog
// runs modally and is ended with IDCANCEL once shown. Modal dialogs that open meanwhile (from
// its OnInitDialog, say) go to `otherModal`, by default ended with IDCANCEL as well.
std::string RenderToPng(CQtBackend& backend, CDialog& dialog, const std::string& name,
                        const std::function<void(CDialog&)>& otherModal = {});
