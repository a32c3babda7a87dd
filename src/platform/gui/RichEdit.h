#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/ControlEnums.h"

#include <string>
#include <string_view>

class QTextEdit;
class TCanvas;

/// An edit box for formatted text. It loads a formatted-text (RTF) byte
/// stream, takes a background colour, and renders a range of its
/// characters into a rectangle given in twips (1/1440 inch) on a canvas, as
/// the rich-text label draws its document.
class TRichEdit : public TWinControl
{
public:
    explicit TRichEdit(TComponent* AOwner);

    /// Replaces the content with the document read from the bytes (see
    /// qx::RtfReader); with PlainText the bytes are taken as plain text.
    void LoadFromStream(std::string_view Bytes);
    /// The content as a formatted-text (RTF) document (see qx::RtfWriter);
    /// with PlainText as plain text.
    std::string SaveToStream() const;
    void Clear();
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool Value) { plainText_ = Value; }
    /// The text without formatting, lines joined with "\n".
    std::string PlainTextContent() const;
    int CharCount() const;

    TColor BackgroundColor() const { return background_; }
    void SetBackgroundColor(TColor Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);

    /// Draws the characters from First up to Last (-1: to the end) into
    /// TargetTwips on Canvas, wrapped to its width and cut at its bottom;
    /// returns the index of the first character that did not fit (the
    /// character count when all did). The canvas's own resolution converts
    /// twips to pixels.
    int FormatRange(TCanvas& Canvas, const TRect& TargetTwips, int First = 0, int Last = -1) const;

    /// Prints the whole content on the program's printer (Printer()) as one
    /// document titled Caption: each page takes what fits its printable area,
    /// the next page the rest. A printer that cannot print throws, with the
    /// document abandoned.
    void Print(const std::string& Caption) const;

private:
    QTextEdit* edit() const;

    bool plainText_ = false;
    bool wordWrap_ = true;
    TColor background_ = clWindow;
    TScrollStyle scrollBars_ = ssNone;
};
