#pragma once

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/Control.h"
#include "platform/gui/canvas/Bitmap.h"

#include <map>
#include <utility>

class QCursor;

/// The screen and the mouse cursor as the program sees them: the size of
/// the primary screen and its work area, the monitor at a point, and the
/// cursor shown over the whole program.
class TScreen
{
public:
    int Width() const;
    int Height() const;
    /// The primary screen less the task bars.
    TRect WorkAreaRect() const;
    int MonitorCount() const;
    /// The monitor showing the point, or the nearest one.
    TRect MonitorRect(TPoint Point) const;
    TRect MonitorWorkArea(TPoint Point) const;
    int PixelsPerInch() const { return kPixelsPerInch; }

    /// The cursor over every window; crDefault lets each control show its own.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor Value);

    /// Cursors registered under a number of the program's own (the hand
    /// cursor of the button library is cursor 99).
    void SetCursors(TCursor Index, const QCursor& Cursor);
    /// Registers a picture (transparent where its alpha is 0) as a cursor
    /// whose hot spot is at HotSpot of the picture.
    void SetCursors(TCursor Index, const TBitmap& Picture, TPoint HotSpot);
    /// The registered cursor, or the standard one of that number.
    QCursor Cursors(TCursor Index) const;

private:
    TCursor cursor_ = crDefault;
    std::map<TCursor, QCursor> registered_;
    std::map<TCursor, std::pair<TBitmap, TPoint>> pictures_;
};

/// The one screen object of the program.
TScreen* Screen();

/// The mouse position in screen coordinates; always succeeds.
bool GetCursorPos(TPoint* Point);
