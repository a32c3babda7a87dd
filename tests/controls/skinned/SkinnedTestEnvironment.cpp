#include "controls/skinned/SkinnedClasses.h"
#include "controls/skinned/StoredPicture.h"
#include "platform/gui/Application.h"
#include "platform/gui/CoreClasses.h"
#include "platform/gui/PictureResources.h"

#include <gtest/gtest.h>

namespace {

// One Qt application and application object for every test of the program.
class SkinnedEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "qx_controls_skinned_tests";
        static char* argv[] = {name, nullptr};
        qx::initApplication(argc, argv);
        qx::registerCoreClasses();
        qx::registerSkinnedClasses();
        // As the program does: the standard controls name their pictures without the extension.
        qx::setPictureResolver([](const std::string& picture) {
            const qx::ByteView bytes = qx::pictureResource(picture + ".png");
            return qx::Bytes(bytes.begin(), bytes.end());
        });
    }
    void TearDown() override { qx::doneApplication(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new SkinnedEnvironment);

} // namespace
