#pragma once
// Bevelled frames of the class library and the system: Frame3D and DrawEdge.

#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/Geometry.h"

class TCanvas;

// Width rings, each with its top and left lines in topColor and its bottom and right
// lines in bottomColor, from the outside in; r becomes the rectangle inside the rings.
void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width);

inline constexpr unsigned BDR_RAISEDOUTER = 0x1;
inline constexpr unsigned BDR_SUNKENOUTER = 0x2;
inline constexpr unsigned BDR_RAISEDINNER = 0x4;
inline constexpr unsigned BDR_SUNKENINNER = 0x8;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

inline constexpr unsigned BF_LEFT = 0x1;
inline constexpr unsigned BF_TOP = 0x2;
inline constexpr unsigned BF_RIGHT = 0x4;
inline constexpr unsigned BF_BOTTOM = 0x8;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr unsigned BF_MIDDLE = 0x800;
inline constexpr unsigned BF_ADJUST = 0x2000;
inline constexpr unsigned BF_FLAT = 0x4000;
inline constexpr unsigned BF_MONO = 0x8000;

// The system's 3D edge in the system colours: an outer and an inner ring, each with its
// top and left lines drawn first and its bottom and right lines over their corners.
// BF_MIDDLE fills the inside with clBtnFace; BF_ADJUST moves r inside the edge.
void DrawEdge(TCanvas& canvas, TRect& r, unsigned edge, unsigned flags);
