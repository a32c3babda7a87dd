#pragma once

namespace qx {

/// Registers the skinned controls, their settings objects and enumerations with the property
/// registry so that layouts can create and set them. Safe to call more than once; needs the
/// core classes registered first.
void registerSkinnedClasses();

} // namespace qx
