#include "QtTestEnvironment.h"
#include "controls/skinned/SkinnedClasses.h"
#include "controls/skinned/StoredPicture.h"
#include "platform/gui/CoreClasses.h"
#include "platform/gui/PictureResources.h"

namespace {

// As the program does: the standard controls name their pictures without the extension.
void resolvePicturesAsTheProgramDoes()
{
    qx::setPictureResolver([](const std::string& picture) {
        const qx::ByteView bytes = qx::pictureResource(picture + ".png");
        return qx::Bytes(bytes.begin(), bytes.end());
    });
}

const auto* const kEnvironment = qx::test::QtTestEnvironment::add(
    "qx_controls_skinned_tests", {qx::registerCoreClasses, qx::registerSkinnedClasses, resolvePicturesAsTheProgramDoes});

} // namespace
