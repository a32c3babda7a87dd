// Text of TCanvas: TextOut, TextRect, measuring and the system's DrawText rules.
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/QtBridge.h"
#include "platform/gui/canvas/TextWrap.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QString>
#include <QThread>

#include <optional>
#include <vector>

namespace {

// The metrics of a font with the widths of the texts measured in it. The
// program measures the same captions and labels in the same few fonts again
// and again (a group box's caption at every layout pass, a label at each
// size change), and each measure shapes the text anew: the widths found are
// kept per font, for the GUI thread (as qx::toQFont keeps its fonts).
class TextMetrics
{
public:
    explicit TextMetrics(const TFont& font)
    {
        const QCoreApplication* app = QCoreApplication::instance();
        if (!app || QThread::currentThread() != app->thread()) {
            own_.emplace(qx::toQFont(font));
            return;
        }
        static auto& kept = *new std::vector<Kept>; // never destroyed, as the fonts it holds
        static std::size_t next = 0;
        for (Kept& k : kept)
            if (k.height == font.Height() && k.style == font.Style && k.name == font.Name) {
                kept_ = &k;
                return;
            }
        Kept made{font.Name, font.Style, font.Height(), QFontMetrics(qx::toQFont(font)), {}};
        if (kept.size() < kKept) {
            kept.reserve(kKept); // the kept entries never move
            kept.push_back(std::move(made));
            kept_ = &kept.back();
            return;
        }
        next = (next + 1) % kKept;
        kept[next] = std::move(made);
        kept_ = &kept[next];
    }

    const QFontMetrics& metrics() const { return kept_ ? kept_->metrics : *own_; }

    int width(const QString& text) const
    {
        if (!kept_)
            return own_->horizontalAdvance(text);
        if (const auto found = kept_->widths.constFind(text); found != kept_->widths.cend())
            return *found;
        if (kept_->widths.size() >= kWidths)
            kept_->widths.clear();
        const int measured = kept_->metrics.horizontalAdvance(text);
        kept_->widths.insert(text, measured);
        return measured;
    }

private:
    struct Kept
    {
        std::string name;
        TFontStyles style;
        int height;
        QFontMetrics metrics;
        QHash<QString, int> widths;
    };
    static constexpr std::size_t kKept = 16;
    static constexpr qsizetype kWidths = 4096;

    Kept* kept_ = nullptr;
    std::optional<QFontMetrics> own_;
};

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

QString elideEnd(const QString& line, int width, const TextMetrics& metrics)
{
    if (metrics.width(line) <= width)
        return line;
    QString cut = line;
    while (!cut.isEmpty() && metrics.width(cut + "...") > width)
        cut.chop(1);
    return cut + "...";
}

// Keeps the end of a path (after the last separator) and cuts its middle.
QString elidePath(const QString& line, int width, const TextMetrics& metrics)
{
    if (metrics.width(line) <= width)
        return line;
    const qsizetype slash = std::max(line.lastIndexOf('\\'), line.lastIndexOf('/'));
    const QString tail = slash >= 0 ? line.mid(slash) : QString();
    QString head = slash >= 0 ? line.left(slash) : line;
    while (!head.isEmpty() && metrics.width(head + "..." + tail) > width)
        head.chop(1);
    return head.isEmpty() ? elideEnd(tail, width, metrics) : head + "..." + tail;
}

} // namespace

TSize TCanvas::TextExtent(const std::string& text)
{
    const TextMetrics metrics(m_font);
    return {metrics.width(QString::fromStdString(text)), metrics.metrics().height()};
}

int TCanvas::TextAscent() { return TextMetrics(m_font).metrics().ascent(); }

int TCanvas::drawTextLine(int x, int y, const std::string& text, int underlineIndex, bool opaque)
{
    if (!Painter())
        return -1;
    const QFont font = qx::toQFont(m_font);
    const TextMetrics measure(m_font);
    const QFontMetrics& metrics = measure.metrics();
    const QString line = QString::fromStdString(text);
    m_active->save();
    m_active->translate(x, y);
    if (m_font.Orientation != 0)
        m_active->rotate(-m_font.Orientation / 10.0);
    const int width = measure.width(line);
    if (opaque && !m_brush.IsClear())
        m_active->fillRect(QRect(0, 0, width, metrics.height()), qx::toQColor(m_brush.Color));
    if (m_font.Color != clNone) {
        m_active->setFont(font);
        m_active->setPen(qx::toQColor(m_font.Color));
        m_active->drawText(QPoint(0, metrics.ascent()), line);
        if (underlineIndex >= 0 && underlineIndex < line.size()) {
            const int from = measure.width(line.left(underlineIndex));
            const int to = measure.width(line.left(underlineIndex + 1));
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
    const TextMetrics metrics(m_font);
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
                          ? qx::wrapWords(line, r.Width(), [&](const QString& t) { return metrics.width(t); })
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
        widest = std::max(widest, metrics.width(line));
    }
    const int lineHeight = metrics.metrics().height();
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
            const int width = metrics.width(line);
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
