#include "controls/buttons/rz/RzPanel.h"

#include "controls/buttons/Accelerators.h"
#include "controls/buttons/rz/RzGrafx.h"
#include "controls/buttons/rz/RzPanelDockManager.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/PropertyRegistry.h"

#include <algorithm>

using qx::rz::TGradientDirection;
using enum qx::rz::TGradientDirection;

TRzCustomPanel::TRzCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption, csParentBackground} + TControlStyle{csOpaque});
    SetBounds(0, 0, 185, 41);
}

void TRzCustomPanel::SetGradientColorStart(TColor Value)
{
    if (gradientColorStart_ == Value)
        return;
    gradientColorStart_ = Value;
    invalidateTransparentChildren();
    Invalidate();
}

void TRzCustomPanel::SetGradientColorStop(TColor Value)
{
    if (gradientColorStop_ == Value)
        return;
    gradientColorStop_ = Value;
    invalidateTransparentChildren();
    Invalidate();
}

void TRzCustomPanel::SetGradientDirection(TGradientDirection Value)
{
    if (gradientDirection_ == Value)
        return;
    gradientDirection_ = Value;
    invalidateTransparentChildren();
    Invalidate();
}

void TRzCustomPanel::SetGridSize(std::uint16_t XSize, std::uint16_t YSize)
{
    SetGridXSize(XSize);
    SetGridYSize(YSize);
}

void TRzCustomPanel::SetTransparent(bool Value)
{
    if (transparent_ == Value)
        return;
    transparent_ = Value;
    SetControlStyle(Value ? ControlStyle() - TControlStyle{csOpaque} : ControlStyle() + TControlStyle{csOpaque});
    // A see-through panel lets the toolkit show the parent's drawing beneath it.
    SetFillsBackground(!Value);
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Invalidate();
    Invalidate();
}

void TRzCustomPanel::invalidateTransparentChildren()
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(*child);
        const qx::PropertyInfo* p = info ? info->findProperty("Transparent") : nullptr;
        if (p && p->type == qx::PropertyType::Boolean && p->get && std::get<bool>(p->get(*child)))
            child->Invalidate();
    }
}

void TRzCustomPanel::ApplyFrameControllerSettings()
{
    if (const TRzFrameController* fc = FrameController())
        qx::rz::applyPanelFrameSettings(*this, *fc, notifications_);
}

void TRzCustomPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove)
        frameLink_.removed(AComponent);
}

void TRzCustomPanel::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_ERASEBKGND && transparent_ && paintClientArea_) {
        if (auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam))
            PaintParentBackgroundOnCanvas(*this, *canvas);
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TRzCustomPanel::WndProc(TMessage& Message)
{
    if (dockManager_)
        dockManager_->WindowProcHook(Message);
    TCustomControl::WndProc(Message);
}

void TRzCustomPanel::Resize()
{
    TCustomControl::Resize();
    if (dockManager_)
        dockManager_->ResetBounds();
}

void TRzCustomPanel::PaintWindow()
{
    TCustomControl::PaintWindow();
    if (dockManager_ && Canvas())
        dockManager_->PaintSite(*Canvas());
}

void TRzCustomPanel::SetDockSite(bool Value)
{
    dockSite_ = Value;
    updateDockManager();
}

void TRzCustomPanel::SetUseDockManager(bool Value)
{
    useDockManager_ = Value;
    updateDockManager();
}

void TRzCustomPanel::updateDockManager()
{
    if (dockSite_ && useDockManager_) {
        if (!dockManager_)
            dockManager_ = CreateDockManager();
    } else {
        dockManager_.reset();
    }
}

std::unique_ptr<TDockTree> TRzCustomPanel::CreateDockManager()
{
    return std::make_unique<TRzPanelDockManager>(this);
}

TDockTree* TRzCustomPanel::DockManager()
{
    if (dockManager_)
        doubleBuffered_ = true;
    return dockManager_.get();
}

void TRzCustomPanel::AdjustClientRect(TRect& Rect) const
{
    InflateRect(Rect, -borderWidth_, -borderWidth_);
    Rect = AdjustBorderRect(Rect, borderOuter_, borderInner_, borderSides_, bevelWidth_);
}

void TRzCustomPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (Align() == alBottom && AHeight != Height())
        ATop = Top() + Height() - AHeight;
    if (Align() == alRight && AWidth != Width())
        ALeft = Left() + Width() - AWidth;
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TRzCustomPanel::SetParent(TWinControl* AParent)
{
    TCustomControl::SetParent(AParent);
    if (AParent)
        HandleNeeded();
}

void TRzCustomPanel::HandleNeeded()
{
    if (windowCreated_)
        return;
    windowCreated_ = true;
    CreateWnd();
}

TRzPanelBorder TRzCustomPanel::border() const
{
    TRzPanelBorder b;
    b.outer = borderOuter_;
    b.inner = borderInner_;
    b.transparent = transparent_;
    b.parentColor = Parent() ? Parent()->Color() : clBtnFace;
    b.color = Color();
    flatColor(b.flatColor, b.flatColorAdjustment);
    b.shadow = borderShadow_;
    b.highlight = borderHighlight_;
    b.borderColor = borderColor_;
    b.bevelWidth = bevelWidth_;
    b.sides = borderSides_;
    b.borderWidth = borderWidth_;
    return b;
}

void TRzCustomPanel::gradientColors(TColor& start, TColor& stop) const
{
    if (gradientColorStyle_ == gcsCustom) {
        start = gradientColorStart_;
        stop = gradientColorStop_;
    } else {
        SchemeGradientColors(gradientColorStyle_, start, stop);
    }
}

void TRzCustomPanel::flatColor(TColor& color, int& adjustment) const
{
    if (visualStyle_ != vsGradient || gradientColorStyle_ == gcsCustom) {
        color = flatColor_;
        adjustment = flatColorAdjustment_;
    } else {
        color = SchemeFrameColor(gradientColorStyle_);
        adjustment = 0;
    }
}

void TRzCustomPanel::Paint() { paintPanel(); }

void TRzCustomPanel::paintPanel()
{
    TCanvas& canvas = *Canvas();
    const TRzPanelBorder b = border();
    TRect r = DrawPanelBorder(canvas, {0, 0, Width(), Height()}, b);
    if (!transparent_ && paintClientArea_) {
        const bool rounded = (borderOuter_ == fsFlatRounded && borderInner_ == fsNone && borderWidth_ == 0) ||
                             borderInner_ == fsFlatRounded;
        TRect fill = r;
        if (rounded) {
            if (borderSides_.Contains(sdLeft)) --fill.Left;
            if (borderSides_.Contains(sdTop)) --fill.Top;
            if (borderSides_.Contains(sdRight)) ++fill.Right;
            if (borderSides_.Contains(sdBottom)) ++fill.Bottom;
        }
        if (visualStyle_ == vsGradient) {
            TColor start, stop;
            gradientColors(start, stop);
            FillGradient(canvas, fill, gradientDirection_, start, stop, 1);
        } else {
            canvas.Brush().Style = bsSolid;
            canvas.Brush().Color = Color();
            canvas.FillRect(fill);
        }
        if (rounded) {
            const TColor dot = ColorAdjustedBy(b.flatColor, b.flatColorAdjustment);
            const TSides s = borderSides_;
            if (s.Contains(sdLeft) && s.Contains(sdTop)) canvas.SetPixel(fill.Left, fill.Top, dot);
            if (s.Contains(sdTop) && s.Contains(sdRight)) canvas.SetPixel(fill.Right - 1, fill.Top, dot);
            if (s.Contains(sdRight) && s.Contains(sdBottom)) canvas.SetPixel(fill.Right - 1, fill.Bottom - 1, dot);
            if (s.Contains(sdLeft) && s.Contains(sdBottom)) canvas.SetPixel(fill.Left, fill.Bottom - 1, dot);
        }
    }
    if (showGrid_)
        DrawGrid(r);
    canvas.Brush().Style = bsClear;
    DrawCaption(r);
    canvas.Brush().Style = bsSolid;
    qx::fire(OnPaint, this);
}

void TRzCustomPanel::DrawCaption(TRect r)
{
    if (Caption().empty())
        return;
    TCanvas& canvas = *Canvas();
    canvas.Font() = Font();
    InflateRect(r, -textMargin_, -textMarginVertical_);
    const unsigned align = alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
    const unsigned flags = DT_EXPANDTABS | DT_VCENTER | (wordWrap_ ? DT_WORDBREAK : 0u) | align;
    TRect measure = r;
    const int h = canvas.DrawText(Caption(), measure, flags | DT_CALCRECT) ? measure.Height() : 0;
    switch (alignmentVertical_) {
    case avTop: r.Bottom = std::min(r.Bottom, r.Top + h); break;
    case avCenter:
        r.Top = (r.Top + r.Bottom - h) / 2;
        r.Bottom = std::min(r.Bottom, r.Top + h);
        break;
    case avBottom: r.Top = std::max(r.Top, r.Bottom - h - 1); break;
    }
    canvas.Brush().Style = bsClear;
    if (!Enabled())
        canvas.Font().Color = clGrayText;
    canvas.DrawText(Caption(), r, flags);
}

void TRzCustomPanel::DrawGrid(const TRect& r)
{
    TCanvas& canvas = *Canvas();
    const int nx = gridXSize_ ? r.Width() / gridXSize_ : 0;
    const int ny = gridYSize_ ? r.Height() / gridYSize_ : 0;
    canvas.Pen().Color = gridColor_;
    canvas.Pen().Style = psSolid;
    auto dotted = [&](int x0, int y0, int x1, int y1) {
        const bool horizontal = y0 == y1;
        for (int v = (horizontal ? x0 : y0) + 1; v < (horizontal ? x1 : y1); v += 2)
            canvas.SetPixel(horizontal ? v : x0, horizontal ? y0 : v, gridColor_);
    };
    auto gridLine = [&](int x0, int y0, int x1, int y1) {
        if (gridStyle_ == gsSolidLines) {
            canvas.MoveTo(x0, y0);
            canvas.LineTo(x1, y1);
        } else {
            dotted(x0, y0, x1, y1);
        }
    };
    if (gridStyle_ == gsDots) {
        for (int i = 1; i <= nx; ++i)
            for (int j = 1; j <= ny; ++j)
                canvas.SetPixel(r.Left + gridXSize_ * i - 1, r.Top + gridYSize_ * j - 1, gridColor_);
        return;
    }
    for (int i = 1; i <= nx; ++i) {
        const int x = r.Left + gridXSize_ * i - 1;
        gridLine(x, r.Top, x, r.Bottom);
    }
    for (int j = 1; j <= ny; ++j) {
        const int y = r.Top + gridYSize_ * j - 1;
        gridLine(r.Left, y, r.Right, y);
    }
}

void TRzCustomPanel::EnabledChanged()
{
    Repaint();
    if (!Enabled()) {
        enabledList_.Clear();
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* child = Controls(i);
            enabledList_.AddObject(child->Enabled() ? "1" : "0", child);
        }
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetEnabled(false);
        return;
    }
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        int entry = -1;
        for (int k = 0; k < enabledList_.Count(); ++k)
            if (enabledList_.Objects(k) == child)
                entry = k;
        if (entry < 0 || enabledList_.Get(entry) == "1")
            child->SetEnabled(true);
    }
}

// ---- group box ----

TRzCustomGroupBox::TRzCustomGroupBox(TComponent* AOwner) : TRzCustomPanel(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csSetCaption, csDoubleClicks});
    SetBorderOuter(fsNone);
    SetBorderInner(fsNone);
    SetAlignment(taLeftJustify);
    SetAlignmentVertical(avTop);
    SetHeight(105);
}

void TRzCustomGroupBox::ApplyFrameControllerSettings()
{
    if (groupStyle_ == gsCustom)
        TRzCustomPanel::ApplyFrameControllerSettings();
}

void TRzCustomGroupBox::AdjustClientRect(TRect& Rect) const
{
    TRzCustomPanel::AdjustClientRect(Rect);
    TBitmap measure(1, 1);
    measure.Canvas().Font() = Font();
    const int h = measure.Canvas().TextHeight("Yy");
    switch (groupStyle_) {
    case gsStandard:
    case gsFlat: {
        const int a = h / 2 - 1;
        Rect.Top += a < BorderWidth() ? a : h - BorderWidth();
        const int inset = groupStyle_ == gsStandard ? 2 : 1;
        InflateRect(Rect, -inset, -inset);
        break;
    }
    case gsCustom:
        if (!Caption().empty())
            Rect.Top += h;
        InflateRect(Rect, -2, -2);
        break;
    case gsTopLine: Rect.Top += h; break;
    case gsBanner: Rect.Top += bannerHeight_ ? bannerHeight_ : h + 8; break;
    case gsUnderline: Rect.Top += h + 4; break;
    }
}

void TRzCustomGroupBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && CanFocus() && qx::buttons::IsAccel(static_cast<char16_t>(Message.WParam), Caption())) {
        for (int i = 0; i < ControlCount(); ++i)
            if (auto* child = dynamic_cast<TWinControl*>(Controls(i)); child && child->CanFocus()) {
                child->SetFocus();
                break;
            }
        Message.Result = 1;
        return;
    }
    TRzCustomPanel::Dispatch(Message);
}

void TRzCustomGroupBox::SetCaptionFont(const TFont& Value)
{
    captionFont_ = Value;
    captionFontChanged_ = true;
    Invalidate();
}

TRect TRzCustomGroupBox::captionRect(TCanvas& canvas) const
{
    if (Caption().empty() || groupStyle_ == gsCustom)
        return {};
    const TSize size = canvas.TextExtent(StripAccelerators(Caption()));
    switch (groupStyle_) {
    case gsStandard:
    case gsFlat: return {8, 0, size.cx + 8, size.cy};
    case gsTopLine: return {0, 0, size.cx + 4, size.cy};
    case gsBanner: return {0, 0, Width(), bannerHeight_ ? bannerHeight_ : size.cy + 6};
    default: return {0, 0, Width(), size.cy + 2};
    }
}

void TRzCustomGroupBox::drawFrame(TCanvas& canvas, const TRect& f, const TRect& c)
{
    const TColor a = ColorAdjustedBy(FlatColor(), FlatColorAdjustment());
    auto line = [&](int x0, int y0, int x1, int y1) {
        canvas.MoveTo(x0, y0);
        canvas.LineTo(x1, y1);
    };
    canvas.Pen().Color = a;
    const TFrameStyleEx outer = BorderOuter();
    switch (groupStyle_) {
    case gsStandard:
        if (outer == fsNone)
            DrawFrameStyleEdges(canvas, f, fsGroove);
        else if (outer == fsFlat)
            DrawSingleFrame(canvas, f, a);
        else if (outer == fsFlatBold)
            DrawSideRings(canvas, f, a, a, 2, kAllSides);
        else
            DrawFrameStyleEdges(canvas, f, outer);
        break;
    case gsTopLine:
        if (outer == fsNone) {
            DrawFrameStyleEdges(canvas, f, fsGroove, TSides{sdTop});
        } else if (outer == fsFlat || outer == fsFlatBold) {
            line(f.Left + 2, f.Top, f.Right - 2, f.Top);
            if (outer == fsFlatBold)
                line(f.Left + 2, f.Top + 1, f.Right - 2, f.Top + 1);
        } else {
            DrawFrameStyleEdges(canvas, f, outer, TSides{sdTop});
        }
        break;
    case gsFlat:
        line(f.Left, f.Top + 2, f.Left, f.Bottom - 2);
        line(f.Left + 2, f.Top, f.Right - 2, f.Top);
        line(f.Right - 1, f.Top + 2, f.Right - 1, f.Bottom - 2);
        line(f.Left + 2, f.Bottom - 1, f.Right - 2, f.Bottom - 1);
        canvas.SetPixel(f.Left + 1, f.Top + 1, a);
        canvas.SetPixel(f.Right - 2, f.Top + 1, a);
        canvas.SetPixel(f.Right - 2, f.Bottom - 2, a);
        canvas.SetPixel(f.Left + 1, f.Bottom - 2, a);
        break;
    case gsBanner: {
        TColor start, stop, frame = a;
        if (GradientColorStyle() == gcsCustom) {
            start = GradientColorStart();
            stop = GradientColorStop();
        } else {
            SchemeBannerColors(GradientColorStyle(), stop, start, frame);
        }
        canvas.Pen().Color = frame;
        line(c.Left, c.Top + 1, c.Left, c.Bottom - 1);
        line(c.Left + 1, c.Top, c.Right - 1, c.Top);
        line(c.Right - 1, c.Top + 1, c.Right - 1, c.Bottom - 1);
        line(c.Left + 1, c.Bottom - 1, c.Right - 1, c.Bottom - 1);
        TRect inner = c;
        InflateRect(inner, -1, -1);
        FillGradient(canvas, inner, gdHorizontalEnd, start, stop, 1);
        break;
    }
    case gsUnderline: line(c.Left, c.Bottom, c.Right, c.Bottom); break;
    case gsCustom: break;
    }
}

void TRzCustomGroupBox::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Font() = CaptionFont();
    const int h = canvas.TextHeight("Pp");
    TRect c = captionRect(canvas);
    const int t = h / 2 - 1;
    if (groupStyle_ == gsCustom) {
        paintPanel();
        canvas.Font() = Font();
        return;
    }
    canvas.SaveState();
    if (!Transparent()) {
        canvas.Brush().Style = bsSolid;
        canvas.Brush().Color = Color();
        canvas.FillRect({0, 0, Width(), Height()});
    } else if (groupStyle_ != gsBanner && !c.IsEmpty()) {
        canvas.ExcludeClipRect(c);
    }
    drawFrame(canvas, {0, t, Width(), Height()}, c);
    canvas.RestoreState();
    if (!Caption().empty()) {
        if (!Transparent() && groupStyle_ != gsBanner) {
            canvas.Brush().Style = bsSolid;
            canvas.Brush().Color = Color();
            canvas.FillRect(c);
        }
        if (groupStyle_ == gsBanner)
            InflateRect(c, -4, -1);
        canvas.Brush().Style = bsClear;
        canvas.Font() = CaptionFont();
        if (!Enabled())
            canvas.Font().Color = clGrayText;
        const unsigned align = Alignment() == taLeftJustify ? DT_LEFT : Alignment() == taRightJustify ? DT_RIGHT : DT_CENTER;
        canvas.DrawText(Caption(), c, DT_SINGLELINE | DT_VCENTER | align);
        canvas.Brush().Style = bsSolid;
    }
    canvas.Font() = Font();
}
