#pragma once
// Bitmap and gradient routines of the Rz controls: transparent blits, tiling, two-colour
// gradients, the trapezoid geometry of the segmented meter and the parent's background
// under a see-through control.

#include "controls/buttons/rz/RzCommon.h"

#include <array>

class TBitmap;
class TControl;

enum TTrapDirect { tdLargeToSmall, tdSmallToLarge };
enum TTrapShape { tsLeft, tsCenter, tsRight };

/// Corners of a meter bar: top-left, top-right, bottom-right, bottom-left.
using MeterQuad = std::array<TPoint, 4>;

void BlitTransparent(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, const TRect& source, TColor transparent);
void StretchBlitTransparent(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, const TRect& source,
                            TColor transparent);
void StretchBitmapTransparent(TCanvas& canvas, const TBitmap& bitmap, const TRect& r, TColor transparent);
void TileBitmapTransparent(TCanvas& canvas, const TBitmap& bitmap, const TRect& r, TColor transparent);
void TileBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& r);

void FillGradient(TCanvas& canvas, const TRect& r, qx::rz::TGradientDirection direction, TColor start,
                  TColor stop, int step);
void FillGradientBanded(TCanvas& canvas, const TRect& r, qx::rz::TGradientDirection direction, TColor start,
                        TColor stop, int step);
/// Covers (x, y, w, h) with copies of its top-left w0 x h0 block, doubling each time.
void ReplicateBlock(TCanvas& canvas, int x, int y, int w0, int h0, int w, int h);
/// Makes (x, y, w, h) symmetric from its top-left quarter.
void MirrorQuadrants(TCanvas& canvas, int x, int y, int w, int h);

/// The trapezoid of a meter bar inside r; false (and nothing to draw) for a negative
/// narrow size or an empty rectangle.
bool MakeMeterQuad(MeterQuad& quad, const TRect& r, int narrow, TTrapShape shape, TDirection direction,
                   TTrapDirect trapDirect);
/// The part of quad between r's two cut lines; false when an edge of quad has no length
/// along the cut direction (nothing to draw then).
bool ClipMeterQuad(const MeterQuad& quad, const TRect& r, TDirection direction, MeterQuad& out);
void InflateMeterQuad(MeterQuad& quad, int n);
void DrawQuadBevel(TCanvas& canvas, const MeterQuad& quad, int kind, int count);

/// Paints the parent's own drawing (its background, without its children) under the
/// control onto canvas.
void PaintParentBackgroundOnCanvas(const TControl& control, TCanvas& canvas);
