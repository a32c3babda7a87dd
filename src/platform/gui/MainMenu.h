#pragma once

#include "platform/gui/Menu.h"

#include <QPointer>

class QMenuBar;
class TForm;

/// The menu bar of the form that owns it, along the top of the form; the
/// form's client area lies below it (TForm::Menu).
class TMainMenu : public TMenu
{
public:
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;

    /// The bar's height on the form, as last laid out.
    int BarHeight() const { return barHeight_; }

    void Loaded() override;

private:
    friend class TForm;

    void rebuild();
    /// During loading: appends the items added after those on the bar and
    /// leaves the measuring to Loaded(); false when the bar must be rebuilt.
    bool appendLoadedItems();
    /// Lays the bar across the top of the form.
    void placeBar();
    /// Gives the bar the height a changed entry needs.
    void entryChanged();

    /// Goes with the form's window, which may be destroyed first.
    QPointer<QMenuBar> bar_;
    /// The form whose menu this is; cleared when the form goes first.
    TForm* form_ = nullptr;
    int barHeight_ = 0;
    bool measurePending_ = false;
};
