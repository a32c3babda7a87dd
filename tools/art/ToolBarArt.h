#pragma once
// The pictures of the plot toolbar's fourteen buttons, drawn on teal (the colour the
// toolbar leaves out) at 24 x 24 or, for the small buttons, 16 x 16.

#include <QImage>

namespace qx::art {

enum class ToolIcon { Resume, Pause, Scroll, Zoom, ZoomOut, ZoomIn, Select, ZoomBox, Cursor, Properties, Copy, Save,
                      Printer, Preview };

QImage paintToolIcon(ToolIcon icon, int size);

} // namespace qx::art
