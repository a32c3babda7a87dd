#include "platform/gui/Screen.h"

#include "platform/gui/ControlWidget.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace {

QScreen* screenAt(TPoint point)
{
    const QPoint p(point.X, point.Y);
    if (QScreen* s = QGuiApplication::screenAt(p))
        return s;
    // Off every monitor: the nearest one.
    QScreen* nearest = QGuiApplication::primaryScreen();
    long long best = -1;
    for (QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        const long long dx = std::max({g.left() - p.x(), 0, p.x() - g.right()});
        const long long dy = std::max({g.top() - p.y(), 0, p.y() - g.bottom()});
        if (best < 0 || dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = s;
        }
    }
    return nearest;
}

TRect toRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }


} // namespace

int TScreen::Width() const { return QGuiApplication::primaryScreen()->geometry().width(); }
int TScreen::Height() const { return QGuiApplication::primaryScreen()->geometry().height(); }
TRect TScreen::WorkAreaRect() const { return toRect(QGuiApplication::primaryScreen()->availableGeometry()); }
int TScreen::MonitorCount() const { return static_cast<int>(QGuiApplication::screens().size()); }
TRect TScreen::MonitorRect(TPoint Point) const { return toRect(screenAt(Point)->geometry()); }
TRect TScreen::MonitorWorkArea(TPoint Point) const { return toRect(screenAt(Point)->availableGeometry()); }

void TScreen::SetCursor(TCursor Value)
{
    if (Value == cursor_)
        return;
    if (cursor_ != crDefault)
        QApplication::restoreOverrideCursor();
    cursor_ = Value;
    if (Value != crDefault)
        QApplication::setOverrideCursor(Cursors(Value));
}

void TScreen::SetCursors(TCursor Index, const QCursor& Cursor)
{
    pictures_.erase(Index);
    registered_[Index] = Cursor;
}

void TScreen::SetCursors(TCursor Index, const TBitmap& Picture, TPoint HotSpot)
{
    // Made into a cursor when first asked for: registration may come before
    // the application object exists.
    registered_.erase(Index);
    pictures_.insert_or_assign(Index, std::pair(Picture, HotSpot));
}

QCursor TScreen::Cursors(TCursor Index) const
{
    if (const auto it = pictures_.find(Index); it != pictures_.end()) {
        const auto& [picture, hot] = it->second;
        return QCursor(QPixmap::fromImage(picture.Image()), hot.X, hot.Y);
    }
    const auto it = registered_.find(Index);
    return it != registered_.end() ? it->second : QCursor(qx::qtCursor(Index));
}

TScreen* Screen()
{
    static TScreen screen;
    return &screen;
}

bool GetCursorPos(TPoint* Point)
{
    const QPoint p = QCursor::pos();
    *Point = TPoint{p.x(), p.y()};
    return true;
}
