#pragma once
// TRTFLabel: a label that keeps a formatted-text (RTF) document and renders it on every paint
// through a hidden rich edit.

#include "platform/gui/Control.h"

#include <memory>
#include <string>

class TCanvas;
class TRichEdit;

namespace qx {
// The render target in twips of a pixel rectangle at dpi (0 counts as 96): one pixel in from
// the left and top, each value rounded to nearest with halves to even.
TRect richTextTargetTwips(const TRect& r, int dpiX, int dpiY);
} // namespace qx

class TRTFLabel : public TGraphicControl
{
public:
    explicit TRTFLabel(TComponent* AOwner);
    ~TRTFLabel() override;

    // The document: one byte a character. The wide form keeps the low byte of each character.
    const std::string& RichText() const { return richText_; }
    void SetRichText(const std::string& Value);
    void SetRichText(const std::u16string& Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    std::string Version() const { return "1.3.1.0"; }
    void SetVersion(const std::string&) {}

    // The hidden rich edit emptied for filling; none without a parent. The filled edit
    // becomes the document at ShowRTF or at the EndUpdate that ends the update.
    TRichEdit* RTF();
    // The hidden rich edit's content, saved as RTF, becomes the document; nothing without a
    // parent.
    void ShowRTF();
    // While the counter is above 0 the label paints no text. Reaching 0 runs ShowRTF when
    // RTF was asked for since the last one (a document set meanwhile is kept), else repaints.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    // The given rich edit's content, saved as RTF, becomes the document.
    void CopyFromRichEdit(const TRichEdit& edit);
    // Loads the document into the given rich edit.
    void CopyToRichEdit(TRichEdit& edit) const;
    // Renders the document into the canvas at the label's client rectangle; nothing without a
    // parent, while updating or while another paint renders.
    void PaintTo(TCanvas& canvas);
    // Prints the document on the program's printer as a job titled caption;
    // nothing without a parent.
    void Print(const std::string& caption);

    void Loaded() override;

protected:
    void Paint() override;

private:
    void renderRichText(TCanvas& canvas, const TRect& r);

    TRichEdit* richEdit_;
    std::string richText_;
    int updateCount_ = 0;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool painting_ = false;
    bool filling_ = false; // RTF handed out the hidden edit for filling
};
