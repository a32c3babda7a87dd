// Text of TCanvas: TextOut, TextRect, measuring and the system's DrawText rules.
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/QtBridge.h"
#include "platform/gui/canvas/TextWrap.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

namespace {

struct PrefixedText
{
    QString text;
    int underline = -1; // index of the character marked by '&', -1 for none
};

// '&' marks the next character for underlining and "&&" shows one '&'.
PrefixedText stripPrefix(const QString& text, bool showUnderline)
{
    PrefixedText out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && out.underline < 0 && showUnderline)
                out.underline = static_cast<int>(out.text.size());
        } else if (text[i] == '&') {
            continue;
        }
        out.text += text[i];
    }
    return out;
}

QString expandTabs(const QString& line)
{
    QString out;
    for (const QChar c : line) {
        if (c == '\t')
            out += QString(8 - out.size() % 8, ' ');
        else
            out += c;
    }
    return out;
}

QStringList splitLines(const QString& text)
{
    QString normal = text;
    normal.replace("\r\n", "\n");
    normal.replace('\r', '\n');
    return normal.split('\n');
}

QString elideEnd(const QString& line, int width, const QFontMetrics& metrics)
{
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    QString cut = line;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut + "...") > width)
        cut.chop(1);
    return cut + "...";
}

// Keeps the end of a path (after the last separator) and cuts its middle.
QString elidePath(const QString& line, int width, const QFontMetrics& metrics)
{
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    const qsizetype slash = std::max(line.lastIndexOf('\\'), line.lastIndexOf('/'));
    const QString tail = slash >= 0 ? line.mid(slash) : QString();
    QString head = slash >= 0 ? line.left(slash) : line;
    while (!head.isEmpty() && metrics.horizontalAdvance(head + "..." + tail) > width)
        head.chop(1);
    return head.isEmpty() ? elideEnd(tail, width, metrics) : head + "..." + tail;
}

} // namespace

TSize TCanvas::TextExtent(const std::string& text)
{
    const QFontMetrics metrics(qx::toQFont(m_font));
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

int TCanvas::TextAscent() { return QFontMetrics(qx::toQFont(m_font)).ascent(); }

int TCanvas::drawTextLine(int x, int y, const std::string& text, int underlineIndex, bool opaque)
{
    if (!Painter())
        return -1;
    const QFont font = qx::toQFont(m_font);
    const QFontMetrics metrics(font);
    const QString line = QString::fromStdString(text);
    m_active->save();
    m_active->translate(x, y);
    if (m_font.Orientation != 0)
        m_active->rotate(-m_font.Orientation / 10.0);
    const int width = metrics.horizontalAdvance(line);
    if (opaque && !m_brush.IsClear())
        m_active->fillRect(QRect(0, 0, width, metrics.height()), qx::toQColor(m_brush.Color));
    if (m_font.Color != clNone) {
        m_active->setFont(font);
        m_active->setPen(qx::toQColor(m_font.Color));
        m_active->drawText(QPoint(0, metrics.ascent()), line);
        if (underlineIndex >= 0 && underlineIndex < line.size()) {
            const int from = metrics.horizontalAdvance(line.left(underlineIndex));
            const int to = metrics.horizontalAdvance(line.left(underlineIndex + 1));
            const int at = metrics.ascent() + std::max(metrics.underlinePos(), 1);
            m_active->fillRect(QRect(from, at, std::max(to - from, 1), std::max(metrics.lineWidth(), 1)),
                                qx::toQColor(m_font.Color));
        }
    }
    m_active->restore();
    return width;
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    const int width = drawTextLine(x, y, text, -1, true);
    m_penPos = {x + (width >= 0 ? width : TextWidth(text)), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text)
{
    if (!Painter())
        return;
    m_active->save();
    m_active->setClipRect(qx::toQRect(r), m_active->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (!m_brush.IsClear())
        m_active->fillRect(qx::toQRect(r), qx::toQColor(m_brush.Color));
    drawTextLine(x, y, text, -1, false);
    m_active->restore();
}

int TCanvas::DrawText(const std::string& text, TRect& r, unsigned flags)
{
    const QFontMetrics metrics(qx::toQFont(m_font));
    const bool prefix = !(flags & DT_NOPREFIX);
    const PrefixedText stripped =
        prefix ? stripPrefix(QString::fromStdString(text), !(flags & DT_HIDEPREFIX)) : PrefixedText{QString::fromStdString(text)};
    QStringList lines;
    if (flags & DT_SINGLELINE) {
        QString one = stripped.text;
        one.remove('\r');
        one.remove('\n');
        lines << one;
    } else {
        for (const QString& line : splitLines(stripped.text))
            lines << ((flags & DT_WORDBREAK)
                          ? qx::wrapWords(line, r.Width(), [&](const QString& t) { return metrics.horizontalAdvance(t); })
                          : QStringList{line});
    }
    int widest = 0;
    for (QString& line : lines) {
        if (flags & DT_EXPANDTABS)
            line = expandTabs(line);
        if (flags & DT_PATH_ELLIPSIS)
            line = elidePath(line, r.Width(), metrics);
        else if (flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS))
            line = elideEnd(line, r.Width(), metrics);
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int lineHeight = metrics.height();
    const int height = lineHeight * static_cast<int>(lines.size());
    if (flags & DT_CALCRECT) {
        r.Right = r.Left + widest;
        r.Bottom = r.Top + height;
        return height;
    }
    int top = r.Top;
    if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER))
        top = r.Top + (r.Height() - height) / 2;
    else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM))
        top = r.Bottom - height;
    if (Painter()) {
        m_active->save();
        if (!(flags & DT_NOCLIP))
            m_active->setClipRect(qx::toQRect(r), m_active->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        int y = top;
        int underline = stripped.underline;
        for (const QString& line : lines) {
            const int width = metrics.horizontalAdvance(line);
            int x = r.Left;
            if (flags & DT_CENTER)
                x = r.Left + (r.Width() - width) / 2;
            else if (flags & DT_RIGHT)
                x = r.Right - width;
            drawTextLine(x, y, line.toStdString(), underline < line.size() ? underline : -1, true);
            underline = underline >= 0 ? std::max<int>(-1, underline - static_cast<int>(line.size()) - 1) : -1;
            y += lineHeight;
        }
        m_active->restore();
    }
    return (flags & DT_SINGLELINE) && (flags & (DT_VCENTER | DT_BOTTOM)) ? top - r.Top + height : height;
}
