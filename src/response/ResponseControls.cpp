#include "response/ResponseControls.h"

#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/LProgressBar.h"
#include "response/TMyPEQType8.h"

#include <mutex>

#include "controls/buttons/rz/RzClasses.h"

namespace qx {

void registerResponseControls()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerRzClasses();
        registerResponseGraphClasses();
        registerLevelBarClass();
        registerPeqGridClasses();
    });
}

} // namespace qx
