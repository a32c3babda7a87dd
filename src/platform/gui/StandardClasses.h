#pragma once

namespace qx {

/// Registers the standard controls, menus and dialog components with their
/// published properties (and the core classes first), so that layouts can
/// make them by class name. Safe to call more than once.
void registerStandardClasses();

} // namespace qx
