#pragma once
// The scroll bars of a form with AutoScroll: shown while the form's controls
// reach past its visible area; moving one moves every control of the form by
// the same distance, as changes of their Left or Top.

class QScrollBar;
class TForm;

namespace qx {

class FormScroller
{
public:
    explicit FormScroller(TForm& form);

    /// Switched off, the controls go back to where they were and the bars hide.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    /// Shows, hides and sizes the bars for the form's size and controls;
    /// positions past the new range are taken back.
    void Update();
    /// How far the controls are scrolled (0 when not scrolled).
    int Position(bool vertical) const { return vertical ? top_ : left_; }
    void SetPosition(bool vertical, int position);
    bool BarShown(bool vertical) const;
    QScrollBar* Bar(bool vertical) const { return vertical ? vert_ : horz_; }

private:
    int extent(bool vertical) const;
    int visible(bool vertical) const;
    int maxPosition(bool vertical) const;
    void scrollBy(int dx, int dy);

    TForm& form_;
    QScrollBar* vert_;
    QScrollBar* horz_;
    bool enabled_ = false;
    int left_ = 0;
    int top_ = 0;
};

} // namespace qx
