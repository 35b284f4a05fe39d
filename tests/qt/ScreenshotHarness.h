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

// Renders `dialog` to <build>/screenshots/<name>.png and checks (gtest) that the picture is not
// blank; returns the file's path. A dialog that has a window is taken as it is; a child page
// without one is created as a pop-up for the picture and destroyed again; any other dialog
// runs modally and is ended with IDCANCEL once shown. Modal dialogs that open meanwhile (from
// its OnInitDialog, say) go to `otherModal`, by default ended with IDCANCEL as well.
std::string RenderToPng(CQtBackend& backend, CDialog& dialog, const std::string& name,
                        const std::function<void(CDialog&)>& otherModal = {});
