#pragma once
// Enumerations of the response graph's published properties, shared by both
// graph classes and by the Plot that feeds them. No widgets here.

enum class TMyAxisStyle
{
    Box,
    Centered,
    CenteredBox,
    LB,
    None
};
enum class TMyAxisFormat
{
    Linear,
    Log
};
// Index k: 2^(k + 8) points across the frequency axis.
enum class TFFTNumber
{
    n256,
    n512,
    n1024,
    n2048,
    n4096
};
enum class TSampleRate
{
    n48000,
    n96000,
    n192000
};
enum class TMyPlotStyle
{
    Line = 0,
    FilledSquares = 1,
    OpenSquares = 2,
    LineFilledSquares = 3,
    LineOpenSquares = 4,
};
