#pragma once
// Enumerations of the fader and its settings objects (ordinal order as the layouts store it).

enum TTrackBarOrientation
{
    trHorizontal,
    trVertical
};
enum TMoveOnClick
{
    mcStep,
    mcMove,
    mcMoveSlide
};
// The button family has an enumeration of the same name: each family keeps its
// own in a namespace, so that one source file may use both.
namespace qx::trackbar {
enum TGradientDirection
{
    gdHorizontal,
    gdVertical,
    gdHorizontalInOut,
    gdVerticalInOut
};
} // namespace qx::trackbar
enum TGDIPGradient
{
    ggRadial,
    ggVertical,
    ggDiagonalForward,
    ggDiagonalBackward
};
enum TThumbShape
{
    tsPointer,
    tsRectangle,
    tsRoundRect,
    tsRound,
    tsLine,
    tsPointerLeftUp,
    tsPointerRightUp,
    tsTriangle,
    tsTriangleLeft,
    tsTriangleRight
};
enum TThumbPointer
{
    tpLeft,
    tpCenter,
    tpRight
};
enum TThumbStyle
{
    tstOffice2007,
    tstCustom
};
enum TTickMark
{
    tmBottomRight,
    tmTopLeft,
    tmBoth
};
enum TTickStyle
{
    tsNone,
    tsAuto,
    tsManual
};
enum TTrackButtonShape
{
    bsRound,
    bsRectangle
};
enum TLabelPosition
{
    lpTopCenter,
    lpTopLeft,
    lpTopRight,
    lpBottomCenter,
    lpBottomLeft,
    lpBottomRight
};
