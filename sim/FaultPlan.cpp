#include "FaultPlan.h"

namespace qx::sim {

FaultPlan::FaultPlan() = default;

} // namespace qx::sim
