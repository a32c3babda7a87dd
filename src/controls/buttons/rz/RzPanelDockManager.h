#pragma once
// The dock manager a docking Rz panel makes: grabbers 14 pixels wide that
// carry the docked control's caption in the caption colours and a close
// glyph, and a repaint of the panel when a command or a mouse activation
// reaches it.

#include "platform/gui/DockTree.h"
#include "platform/gui/canvas/GraphicsObjects.h"

class TRzCustomPanel;

class TRzPanelDockManager : public TDockTree
{
public:
    explicit TRzPanelDockManager(TRzCustomPanel* Panel);

    static constexpr int kGrabberSize = 14;

    void AdjustDockRect(TControl* Control, TRect& ARect) override;
    void PaintDockFrame(TCanvas& Canvas, TControl* Control, const TRect& ARect) override;
    /// WM_COMMAND and WM_MOUSEACTIVATE repaint the panel; every message then
    /// goes on to the panel.
    void WindowProcHook(TMessage& Message) override;

    const TFont& Font() const { return font_; }
    const TFont& CloseFont() const { return closeFont_; }

private:
    TRzCustomPanel* panel_;
    TFont font_;
    TFont closeFont_;
};
