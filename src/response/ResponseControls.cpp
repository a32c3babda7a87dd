#include "response/ResponseControls.h"

#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/LProgressBar.h"

namespace qx {

void registerResponseControls()
{
    registerResponseGraphClasses();
    registerLevelBarClass();
}

} // namespace qx
