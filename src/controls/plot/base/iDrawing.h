#pragma once
// Drawing and text routines of the plot library: colour shading, text drawing with the
// library's own flag set and a disabled look, turned text, multi-line measures, rectangles
// and points that swap axes for reversed plots, the focus rectangle, edges, a twelve-way
// gradient fill and paper sizes.

#include "platform/gui/canvas/Canvas.h"

#include <cstdint>
#include <string>
#include <string_view>

class TBitmap;

class TComponent;
class TWinControl;

/// The library's text flags (their own values, mapped onto the canvas' DrawText flags).
namespace iTextFlags {
inline constexpr std::uint16_t Left = 0x0001, Center = 0x0002, Right = 0x0004, Top = 0x0008, VCenter = 0x0010,
                               Bottom = 0x0020, WordBreak = 0x0040, SingleLine = 0x0080, ExpandTabs = 0x0100,
                               NoClip = 0x0200, Prefix = 0x0400, CalcRect = 0x0800, EndEllipsis = 0x1000,
                               PathEllipsis = 0x2000, WordEllipsis = 0x4000, ModifyString = 0x8000;
}

enum TiFillDirection {
    ifdTopBottom, ifdBottomTop, ifdLeftRight, ifdRightLeft, ifdTopLeftBottomRight, ifdBottomRightTopLeft,
    ifdBottomLeftTopRight, ifdTopRightBottomLeft, ifdRectangleOut, ifdRectangleIn, ifdCircleOut, ifdCircleIn
};

enum TiRotationAngle { ira000, ira090, ira180, ira270 };

/// Amount added to (Lighten) or taken from each of red, green and blue, clamped to 0..255.
TColor ShadeColor(TColor Color, int Amount, bool Lighten);
/// The canvas' DrawText flags of the library's flags.
unsigned DrawTextFormat(std::uint16_t Flags);
/// Draws (or with CalcRect measures) the text; returns the text height. Disabled text is
/// drawn twice from Color: lightened one pixel down and right, then darkened in place.
int DrawTextFlags(TCanvas& Canvas, const std::string& Text, TRect& Rect, std::uint16_t Flags, bool Enabled,
                  TColor Color);
/// Text turned by a multiple of 90 degrees counter-clockwise, centred on the rectangle's
/// centre; Alignment 0 centre, 1 left, 2 right (unturned text only). TextRect is the box
/// the text takes.
void DrawTurnedText(TCanvas& Canvas, const std::string& Text, const TRect& Rect, TiRotationAngle Rotation,
                    int Alignment, bool Enabled, TColor Color, TRect& TextRect);
/// The text from Position up to the next CR, LF or CR LF; false at the end.
bool NextLine(std::string_view Text, std::size_t& Position, std::string& Line);
int TextWidthML(TCanvas& Canvas, const std::string& Text);
int TextHeightML(TCanvas& Canvas, const std::string& Text);
int TextHeightForWidth(TCanvas& Canvas, const std::string& Text, int Width);

TRect NormalRect(int X1, int Y1, int X2, int Y2);
TRect SwapRect(bool Swap, int X1, int Y1, int X2, int Y2);
TPoint SwapPoint(bool Swap, int X, int Y);
void SwapInts(int& A, int& B);

/// Whether the Shift or the Ctrl key is held down now.
bool ShiftDown();
bool CtrlDown();

/// A bitmap file read into Bitmap; EiPlotError when it cannot be read or is no bitmap.
void LoadBitmapFile(const std::string& FileName, TBitmap& Bitmap);

/// The dotted focus frame; drawing it twice removes it.
void DrawFocusRectangle(TCanvas& Canvas, const TRect& Rect);
/// Kind 0 sunken edge, 1 raised edge, 2 a button-shadow outline over the current brush.
void DrawEdgeStyle(TCanvas& Canvas, const TRect& Rect, int Kind);
void FillDirectionGradient(TCanvas& Canvas, const TRect& Rect, TiFillDirection Direction, TColor StartColor,
                           TColor StopColor);

class TPageControl;
class TPersistent;
/// Makes page Index active when the control has that page.
void SelectPage(TPageControl& PageControl, int Index);
/// The active page's index, -1 when none.
int ActivePageIndex(const TPageControl& PageControl);

/// The first owner that is a form, else the last windowed control met, else nullptr.
TComponent* OwnerForm(TComponent* Component);
/// Gives the control the keyboard focus when it can take it; nothing otherwise.
void FocusControl(TWinControl& Control);

double MmToInches(double Mm);
/// Width and height in inches of a printer paper code; codes not in the table give Letter.
void PaperSizeInches(int PaperCode, double& Width, double& Height);
/// The current printer's sheet in inches, width and height exchanged in landscape.
void PrinterPaperSizeInches(double& Width, double& Height);
