#include "TempDir.h"
#include "WindowScreenshot.h"

#include "platform/gui/Form.h"
#include "platform/gui/Label.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/StandardClasses.h"

#include <QFile>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString pathIn(const qx::test::TempDir& dir, const QString& name)
{
    return QString::fromStdString((dir / name.toStdString()).string());
}

/// A window class of the test's own, made by name as the program's windows are.
class TScreenshotTestForm : public TForm
{
public:
    explicit TScreenshotTestForm(TComponent* AOwner) : TForm(AOwner)
    {
        SetClientWidth(240);
        SetClientHeight(120);
        SetColor(clBlue);
        auto* label = new TLabel(this);
        label->SetParent(this);
        label->SetCaption("Test window");
    }
};

TEST(ScreenshotTest, RendersARegisteredWindowClassAtItsDesignSize)
{
    qx::registerStandardClasses();
    qx::registerClass<TScreenshotTestForm, TForm>("TScreenshotTestForm");
    const QImage image = qx::WindowScreenshot::render("TScreenshotTestForm");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(240, 120));
    EXPECT_EQ(QColor(image.pixel(230, 110)), QColor(Qt::blue)) << "the form's colour";

    EXPECT_THROW(qx::WindowScreenshot::render("TNoSuchWindow"), std::runtime_error);
    EXPECT_THROW(qx::WindowScreenshot::render("TLabel"), std::runtime_error) << "not a window";
}

TEST(ScreenshotTest, TheToolWritesAPngOfAWindow)
{
    qx::test::TempDir dir;
    const QString png = pathIn(dir, "window.png");
    QProcess tool;
    tool.start(QX_SCREENSHOT_TOOL, {"TForm", png, QX_TEST_DATA_DIR "/ScreenshotTest.layout"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    const QImage image(png);
    ASSERT_FALSE(image.isNull()) << "no PNG written";
    EXPECT_EQ(image.size(), QSize(320, 200));
    EXPECT_EQ(QColor(image.pixel(315, 5)), QColor(Qt::red));

    tool.start(QX_SCREENSHOT_TOOL, {"TNoSuchWindow", pathIn(dir, "none.png")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_FALSE(QFile::exists(pathIn(dir, "none.png")));
}

TEST(ScreenshotTest, TheToolKnowsEveryControlFamily)
{
    struct Case
    {
        const char* layout;
        QSize size;
    };
    const Case cases[] = {
        {"controls/buttons/data/AllButtons.layout", {480, 320}},
        {"controls/skinned/data/SkinnedControls.layout", {320, 260}},
        {"response/data/ResponseControls.layout", {1125, 727}},
    };
    qx::test::TempDir dir;
    for (const Case& c : cases) {
        const QString png = pathIn(dir, "family.png");
        QFile::remove(png);
        QProcess tool;
        tool.start(QX_SCREENSHOT_TOOL, {"TForm", png, QString(QX_TESTS_DIR "/") + c.layout});
        ASSERT_TRUE(tool.waitForFinished(60000)) << c.layout;
        EXPECT_EQ(tool.exitCode(), 0) << c.layout << ": " << tool.readAllStandardError().toStdString();
        EXPECT_EQ(QImage(png).size(), c.size) << c.layout;
    }
}

// Every window of the program renders on its own, without the main window
// that normally hosts it.
TEST(ScreenshotTest, TheToolRendersEachProgramWindowOnItsOwn)
{
    const char* const windows[] = {"TfmNetwork",     "TfmNetworkSetup", "TfmHidData",     "TfmLockPassWord",
                                   "TfmLockSetup",   "TfmLockMode",     "TfmStorePreset", "TfmRecallPreset",
                                   "TfmStoreName",   "TfmFactory",      "TfmInformation", "TfmProcess",
                                   "TfmExit",        "TfmAbout",        "TfmMemo"};
    qx::test::TempDir dir;
    for (const char* window : windows) {
        const QString png = pathIn(dir, QString(window) + ".png");
        QProcess tool;
        tool.start(QX_SCREENSHOT_TOOL, {window, png});
        ASSERT_TRUE(tool.waitForFinished(60000)) << window;
        EXPECT_EQ(tool.exitCode(), 0) << window << ": " << tool.readAllStandardError().toStdString();
        EXPECT_FALSE(QImage(png).isNull()) << window;
    }
}

} // namespace
