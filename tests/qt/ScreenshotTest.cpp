// Renders every dialog and page to <build>/screenshots/<ClassName>.png and checks that none
// comes out blank. Adding a dialog is one line in the list below: SCREENSHOT(Class) for a
// dialog that runs modally (or a child page), or a factory that creates the window itself
// (a pop-up shown modelessly) as for CSampleProgressDlg.
#include <functional>
#include <memory>
#include <ostream>

#include "QtFixture.h"
#include "SampleDialogs.h"
#include "ScreenshotHarness.h"

namespace {

struct ScreenshotCase {
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
};

void PrintTo(const ScreenshotCase& screenshot, std::ostream* out) {
    *out << screenshot.name;
}

#define SCREENSHOT(Class)                                                                          \
    ScreenshotCase {                                                                               \
#Class, [] { return std::unique_ptr<CDialog>(new Class); }                                 \
    }

const ScreenshotCase kScreenshots[] = {
    SCREENSHOT(CSampleControlsDlg),
    SCREENSHOT(CSampleListsDlg),
    SCREENSHOT(CSampleTabsDlg),
    SCREENSHOT(CSamplePage),
    {"CSampleProgressDlg",
     [] {
         auto progress = std::make_unique<CSampleProgressDlg>();
         progress->Create();
         return progress;
     }},
};

class ScreenshotTest : public QtFixture, public ::testing::WithParamInterface<ScreenshotCase> {};

TEST_P(ScreenshotTest, RendersToPngThatIsNotBlank) {
    const std::unique_ptr<CDialog> dialog = GetParam().make();
    const std::string path = RenderToPng(backend, *dialog, GetParam().name);
    EXPECT_TRUE(QImage(QString::fromStdString(path)).width() > 0);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ScreenshotTest, ::testing::ValuesIn(kScreenshots),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
