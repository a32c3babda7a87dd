#pragma once
// Points, rectangles, colours and fonts of the canvas library, which the
// controls use in their interfaces.

#define QX_HAVE_CANVAS 1
#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/Geometry.h"
#include "platform/gui/canvas/GraphicsObjects.h"
