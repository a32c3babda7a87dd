#include "editors/eq/FirTapBudget.h"

#include "model/FirTapRule.h"

#include <cmath>

bool qx::firTapsRefused(int reserved, int delta)
{
    if (delta <= 0)
        return false;
    const double left = std::trunc(static_cast<double>(kFirTapBudget) - reserved - delta);
    return left < 0.0;
}
