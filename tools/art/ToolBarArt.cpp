#include "ToolBarArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace qx::art {

namespace {

const QColor kTeal(0, 128, 128);
const QColor kInk(24, 24, 24);

void magnifier(QPainter& p, QColor glass)
{
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(glass);
    p.drawEllipse(QRectF(3, 3, 12, 12));
    p.setPen(QPen(QColor(120, 70, 20), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(20.5, 20.5));
}

void page(QPainter& p, QRectF r)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(110, 110, 110), 1));
    for (double y = r.top() + 3; y < r.bottom() - 1.5; y += 2.5)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void arrowHead(QPainter& p, QPointF tip, QPointF back)
{
    const QPointF d = (tip - back) / 2.5;
    const QPointF n(-d.y(), d.x());
    p.drawPolygon(QPolygonF{tip, back + n, back - n});
}

// Each icon drawn in a 24 x 24 box.
void draw(QPainter& p, ToolIcon icon)
{
    switch (icon) {
    case ToolIcon::Resume:
        p.setPen(QPen(QColor(0, 90, 0), 1));
        p.setBrush(QColor(40, 200, 40));
        p.drawPolygon(QPolygonF{{7, 4}, {19, 12}, {7, 20}});
        break;
    case ToolIcon::Pause:
        p.setPen(QPen(QColor(0, 0, 100), 1));
        p.setBrush(QColor(60, 90, 230));
        p.drawRect(QRectF(6, 5, 4, 14));
        p.drawRect(QRectF(14, 5, 4, 14));
        break;
    case ToolIcon::Scroll:
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(4, 12), QPointF(20, 12));
        p.drawLine(QPointF(12, 4), QPointF(12, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        arrowHead(p, {2, 12}, {7, 12});
        arrowHead(p, {22, 12}, {17, 12});
        arrowHead(p, {12, 2}, {12, 7});
        arrowHead(p, {12, 22}, {12, 17});
        break;
    case ToolIcon::Zoom:
        magnifier(p, QColor(200, 230, 255));
        break;
    case ToolIcon::ZoomOut:
    case ToolIcon::ZoomIn:
        magnifier(p, QColor(200, 230, 255));
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(6, 9), QPointF(12, 9));
        if (icon == ToolIcon::ZoomIn)
            p.drawLine(QPointF(9, 6), QPointF(9, 12));
        break;
    case ToolIcon::Select:
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{{6, 3}, {6, 19}, {10, 15}, {13, 21}, {16, 20}, {13, 14}, {18, 14}});
        break;
    case ToolIcon::ZoomBox:
        p.setPen(QPen(Qt::white, 1.5, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4, 5, 16, 13));
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{{14, 12}, {14, 22}, {16.5, 19.5}, {18.5, 23}, {20, 22}, {18, 18.5}, {21, 18.5}});
        break;
    case ToolIcon::Cursor:
        p.setPen(QPen(QColor(255, 230, 0), 2));
        p.drawLine(QPointF(12, 3), QPointF(12, 21));
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(255, 255, 200));
        p.drawRect(QRectF(13.5, 8, 8, 6));
        break;
    case ToolIcon::Properties:
        page(p, QRectF(5, 3, 13, 17));
        p.setPen(QPen(QColor(150, 20, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 17), QPointF(20, 8));
        break;
    case ToolIcon::Copy:
        page(p, QRectF(3, 3, 11, 14));
        page(p, QRectF(9, 7, 11, 14));
        break;
    case ToolIcon::Save:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(40, 60, 160));
        p.drawRect(QRectF(4, 4, 16, 16));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 4, 10, 6));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(7, 13, 10, 7));
        break;
    case ToolIcon::Printer:
        page(p, QRectF(7, 3, 10, 8));
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(180, 180, 180));
        p.drawRect(QRectF(3, 10, 18, 8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 15, 10, 6));
        break;
    case ToolIcon::Preview:
        page(p, QRectF(4, 2, 13, 18));
        p.translate(5, 5);
        p.scale(0.75, 0.75);
        magnifier(p, QColor(200, 230, 255, 200));
        break;
    }
}

} // namespace

QImage paintToolIcon(ToolIcon icon, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(kTeal);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(size / 24.0, size / 24.0);
    draw(p, icon);
    return image;
}

} // namespace qx::art
