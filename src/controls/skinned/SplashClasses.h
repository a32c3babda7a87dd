#pragma once

namespace qx {

/// Registers the splash screen, its content objects, its progress bar and their enumerations.
void registerSplashClasses();

} // namespace qx
