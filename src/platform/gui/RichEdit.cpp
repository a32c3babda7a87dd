#include "platform/gui/RichEdit.h"

#include "platform/gui/Printer.h"
#include "platform/gui/QtConversions.h"
#include "platform/gui/RtfReader.h"
#include "platform/gui/RtfWriter.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/QtBridge.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <memory>

namespace {
constexpr int kTwipsPerInch = 1440;
}

TRichEdit::TRichEdit(TComponent* AOwner) : TWinControl(AOwner, new QTextEdit)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    SetTabStop(true);
    SetColor(clWindow);
    edit()->setAcceptRichText(true);
    SetScrollBars(ssNone);
    SetBounds(0, 0, 185, 89);
}

QTextEdit* TRichEdit::edit() const { return static_cast<QTextEdit*>(Widget()); }

void TRichEdit::LoadFromStream(std::string_view Bytes)
{
    if (plainText_)
        edit()->setPlainText(QString::fromUtf8(Bytes.data(), static_cast<qsizetype>(Bytes.size())));
    else
        qx::RtfReader::read(Bytes, *edit()->document());
}

std::string TRichEdit::SaveToStream() const
{
    if (plainText_)
        return qx::fromQt(edit()->toPlainText());
    return qx::RtfWriter::write(*edit()->document());
}

void TRichEdit::Clear() { edit()->clear(); }

std::string TRichEdit::PlainTextContent() const { return qx::fromQt(edit()->toPlainText()); }

int TRichEdit::CharCount() const { return std::max(edit()->document()->characterCount() - 1, 0); }

void TRichEdit::SetBackgroundColor(TColor Value)
{
    background_ = Value;
    QPalette palette = edit()->palette();
    palette.setColor(QPalette::Base, qx::toQColor(Value));
    edit()->setPalette(palette);
}

void TRichEdit::SetWordWrap(bool Value)
{
    wordWrap_ = Value;
    edit()->setLineWrapMode(Value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

bool TRichEdit::ReadOnly() const { return edit()->isReadOnly(); }
void TRichEdit::SetReadOnly(bool Value) { edit()->setReadOnly(Value); }

void TRichEdit::SetScrollBars(TScrollStyle Value)
{
    scrollBars_ = Value;
    qx::applyScrollBars(edit(), Value);
}

int TRichEdit::FormatRange(TCanvas& Canvas, const TRect& TargetTwips, int First, int Last) const
{
    const int count = CharCount();
    First = std::clamp(First, 0, count);
    Last = Last < 0 ? count : std::clamp(Last, First, count);
    QPainter* painter = Canvas.Painter();
    // A printer's canvas has its own resolution, and the text is laid out in
    // its units; any other canvas has the screen's fixed one.
    QPaintDevice* printer =
        painter && painter->device() && painter->device()->devType() == QInternal::Printer ? painter->device() : nullptr;
    const int dpiX = printer ? printer->logicalDpiX() : kPixelsPerInch;
    const int dpiY = printer ? printer->logicalDpiY() : kPixelsPerInch;
    const auto toPixelsX = [dpiX](int twips) { return static_cast<int>(static_cast<long long>(twips) * dpiX / kTwipsPerInch); };
    const auto toPixelsY = [dpiY](int twips) { return static_cast<int>(static_cast<long long>(twips) * dpiY / kTwipsPerInch); };
    const QRect target(toPixelsX(TargetTwips.Left), toPixelsY(TargetTwips.Top),
                       toPixelsX(TargetTwips.Right) - toPixelsX(TargetTwips.Left),
                       toPixelsY(TargetTwips.Bottom) - toPixelsY(TargetTwips.Top));
    if (target.width() <= 0 || target.height() <= 0 || First >= Last)
        return First;

    // A copy holding only the range, laid out to the target's width.
    std::unique_ptr<QTextDocument> range(edit()->document()->clone());
    QTextCursor cut(range.get());
    cut.setPosition(Last);
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    cut.setPosition(0);
    cut.setPosition(First, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    if (printer)
        range->documentLayout()->setPaintDevice(printer);
    range->setDocumentMargin(0);
    range->setTextWidth(wordWrap_ ? target.width() : -1);

    // Whole lines that fit above the target's bottom are drawn.
    int fitted = 0;
    int fittedHeight = 0;
    for (QTextBlock block = range->begin(); block.isValid(); block = block.next()) {
        const QRectF box = range->documentLayout()->blockBoundingRect(block);
        if (box.bottom() > target.height())
            break;
        fitted = block.position() + block.length();
        fittedHeight = static_cast<int>(box.bottom());
    }
    if (painter && fittedHeight > 0) {
        painter->save();
        painter->translate(target.topLeft());
        const QRectF clip(0, 0, target.width(), fittedHeight);
        painter->setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        range->documentLayout()->draw(painter, context);
        painter->restore();
    }
    return std::min(First + fitted, Last);
}

void TRichEdit::Print(const std::string& Caption) const
{
    TPrinter& printer = *Printer();
    printer.SetTitle(Caption);
    printer.BeginDoc();
    try {
        const TRect page{0, 0, printer.PageWidth() * kTwipsPerInch / printer.PixelsPerInchX(),
                         printer.PageHeight() * kTwipsPerInch / printer.PixelsPerInchY()};
        const int count = CharCount();
        int first = 0;
        while (true) {
            const int next = FormatRange(printer.Canvas(), page, first);
            // A line taller than the page is left out rather than printed on pages without end.
            if (next >= count || next <= first)
                break;
            first = next;
            printer.NewPage();
        }
    } catch (...) {
        printer.Abort();
        throw;
    }
    printer.EndDoc();
}
