#pragma once
// The Rz container controls: a panel with styled borders, a see-through mode, solid or
// gradient fill, a grid and a word-wrapped caption, and a group box that adds a caption
// band in one of six group styles.

#include "controls/buttons/rz/RzCommon.h"
#include "controls/buttons/rz/RzFrameController.h"
#include "platform/gui/Control.h"
#include "platform/gui/ControlEnums.h"
#include "platform/gui/DockTree.h"
#include "platform/gui/Strings.h"

#include <cstdint>
#include <memory>
#include <vector>

enum TRzGridStyle { gsDots, gsDottedLines, gsSolidLines };
enum TRzGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };

class TRzCustomPanel : public TCustomControl, public IRzFrameControllerClient
{
public:
    explicit TRzCustomPanel(TComponent* AOwner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value) { changePainted(alignment_, Value); }
    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical Value) { changePainted(alignmentVertical_, Value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value) { changePainted(bevelWidth_, Value); }
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx Value) { changeAligned(borderInner_, Value); }
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx Value) { changeAligned(borderOuter_, Value); }
    TSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TSides Value) { changeAligned(borderSides_, Value); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value) { changePainted(borderColor_, Value); }
    TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(TColor Value) { changePainted(borderHighlight_, Value); }
    TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(TColor Value) { changePainted(borderShadow_, Value); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value) { changeAligned(borderWidth_, Value); }
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor Value) { changePainted(flatColor_, Value); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int Value) { changePainted(flatColorAdjustment_, Value); }
    std::uint16_t FrameControllerNotifications() const { return notifications_; }
    void SetFrameControllerNotifications(std::uint16_t Value) { notifications_ = Value; }
    TRzFrameController* FrameController() const { return frameLink_.get(); }
    void SetFrameController(TRzFrameController* Value) { frameLink_.set(Value); }
    void ApplyFrameControllerSettings() override;
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool Value) { fullRepaint_ = Value; }
    TRzGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TRzGradientColorStyle Value) { changePainted(gradientColorStyle_, Value); }
    TColor GradientColorStart() const { return gradientColorStart_; }
    void SetGradientColorStart(TColor Value);
    TColor GradientColorStop() const { return gradientColorStop_; }
    void SetGradientColorStop(TColor Value);
    qx::rz::TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(qx::rz::TGradientDirection Value);
    TColor GridColor() const { return gridColor_; }
    void SetGridColor(TColor Value) { changePainted(gridColor_, Value); }
    TRzGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TRzGridStyle Value) { changePainted(gridStyle_, Value); }
    std::uint16_t GridXSize() const { return gridXSize_; }
    void SetGridXSize(std::uint16_t Value) { changePainted(gridXSize_, Value); }
    std::uint16_t GridYSize() const { return gridYSize_; }
    void SetGridYSize(std::uint16_t Value) { changePainted(gridYSize_, Value); }
    void SetGridSize(std::uint16_t XSize, std::uint16_t YSize);
    bool Locked() const { return locked_; }
    void SetLocked(bool Value) { locked_ = Value; }
    bool PaintClientArea() const { return paintClientArea_; }
    void SetPaintClientArea(bool Value) { changePainted(paintClientArea_, Value); }
    bool ShowDockClientCaptions() const { return showDockClientCaptions_; }
    void SetShowDockClientCaptions(bool Value) { showDockClientCaptions_ = Value; }
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool Value) { changePainted(showGrid_, Value); }
    int TextMargin() const { return textMargin_; }
    void SetTextMargin(int Value) { changePainted(textMargin_, Value); }
    int TextMarginVertical() const { return textMarginVertical_; }
    void SetTextMarginVertical(int Value) { changePainted(textMarginVertical_, Value); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    TRzVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TRzVisualStyle Value) { changePainted(visualStyle_, Value); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value) { changePainted(wordWrap_, Value); }

    /// A dock site with UseDockManager gets a dock manager, which places the
    /// docked controls under their grabbers and paints the grabbers.
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool Value);
    bool UseDockManager() const { return useDockManager_; }
    void SetUseDockManager(bool Value);
    /// The dock manager, none when the panel is not a docking one; asking
    /// for an existing one turns DoubleBuffered on.
    TDockTree* DockManager();
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool Value) { doubleBuffered_ = Value; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    /// Creates the window when it does not exist yet (once in the control's life).
    void HandleNeeded();
    bool HandleAllocated() const { return windowCreated_; }

    /// Raised at the end of painting, with the panel as Sender.
    TNotifyEvent OnPaint;

protected:
    /// Window creation: runs once, when the control first gets a parent.
    virtual void CreateWnd() {}
    void Paint() override;
    void EnabledChanged() override;
    void TextChanged() override { Invalidate(); }
    void Notification(TComponent* AComponent, TOperation Operation) override;
    /// A see-through panel erases its background with its parent's.
    void Dispatch(TMessage& Message) override;
    /// The dock manager sees the messages first.
    void WndProc(TMessage& Message) override;
    void Resize() override;
    /// The panel's paint, then the docked controls' grabbers.
    void PaintWindow() override;
    /// Makes the dock manager: the Rz panel's own.
    virtual std::unique_ptr<TDockTree> CreateDockManager();
    /// Aligned children stay inside the borders.
    void AdjustClientRect(TRect& Rect) const override;

    TRzPanelBorder border() const;
    void gradientColors(TColor& start, TColor& stop) const;
    void flatColor(TColor& color, int& adjustment) const;
    virtual void DrawCaption(TRect r);
    virtual void DrawGrid(const TRect& r);
    void paintPanel();

    /// A change of the borders or the caption band: the children are aligned again.
    template <class T>
    void changeAligned(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Realign();
        Invalidate();
    }

private:
    void invalidateTransparentChildren();
    void updateDockManager();

    TAlignment alignment_ = taCenter;
    TAlignmentVertical alignmentVertical_ = avCenter;
    int bevelWidth_ = 1;
    TFrameStyleEx borderInner_ = fsNone, borderOuter_ = fsRaised;
    TSides borderSides_ = kAllSides;
    TColor borderColor_ = clBtnFace, borderHighlight_ = clBtnHighlight, borderShadow_ = clBtnShadow;
    int borderWidth_ = 0;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    std::uint16_t notifications_ = kAllFrameControllerNotifications;
    bool fullRepaint_ = true;
    TRzGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor gradientColorStart_ = clWhite, gradientColorStop_ = clBtnFace;
    qx::rz::TGradientDirection gradientDirection_ = qx::rz::gdHorizontalEnd;
    TColor gridColor_ = clBtnShadow;
    TRzGridStyle gridStyle_ = gsDots;
    std::uint16_t gridXSize_ = 8, gridYSize_ = 8;
    bool locked_ = false;
    bool paintClientArea_ = true;
    bool showDockClientCaptions_ = true;
    bool showGrid_ = false;
    int textMargin_ = 0, textMarginVertical_ = 0;
    bool transparent_ = false;
    TRzVisualStyle visualStyle_ = vsWinXP;
    bool wordWrap_ = true;
    bool windowCreated_ = false;
    bool dockSite_ = false;
    bool useDockManager_ = true; // the panel's own default
    bool doubleBuffered_ = false;
    std::unique_ptr<TDockTree> dockManager_;
    /// The children's enabled states saved when the panel was disabled.
    TStringList enabledList_;
    qx::rz::FrameControllerLink frameLink_{*this};
};

class TRzPanel : public TRzCustomPanel
{
public:
    using TRzCustomPanel::TRzCustomPanel;
};

class TRzCustomGroupBox : public TRzCustomPanel
{
public:
    explicit TRzCustomGroupBox(TComponent* AOwner);

    int BannerHeight() const { return bannerHeight_; }
    void SetBannerHeight(int Value) { changeAligned(bannerHeight_, Value); }
    TRzGroupBoxStyle GroupStyle() const { return groupStyle_; }
    void SetGroupStyle(TRzGroupBoxStyle Value) { changeAligned(groupStyle_, Value); }
    /// The caption font; follows Font until it is set apart.
    const TFont& CaptionFont() const { return captionFontChanged_ ? captionFont_ : Font(); }
    void SetCaptionFont(const TFont& Value);
    /// Applied only in the custom group style.
    void ApplyFrameControllerSettings() override;

protected:
    /// Below the caption band of the group style as well.
    void AdjustClientRect(TRect& Rect) const override;
    /// The caption's accelerator moves the focus to the first child.
    void Dispatch(TMessage& Message) override;
    void Paint() override;

private:
    TRect captionRect(TCanvas& canvas) const;
    void drawFrame(TCanvas& canvas, const TRect& f, const TRect& c);

    int bannerHeight_ = 0;
    TRzGroupBoxStyle groupStyle_ = gsFlat;
    TFont captionFont_;
    bool captionFontChanged_ = false;
};

class TRzGroupBox : public TRzCustomGroupBox
{
public:
    using TRzCustomGroupBox::TRzCustomGroupBox;
};
