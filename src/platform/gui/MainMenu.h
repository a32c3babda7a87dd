#pragma once

#include "platform/gui/Menu.h"

#include <QPointer>

class QMenuBar;

/// The menu bar of the form that owns it, along the top of the form.
class TMainMenu : public TMenu
{
public:
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;

    /// The bar's height on the form.
    int BarHeight() const;

private:
    void rebuild();

    /// Goes with the form's window, which may be destroyed first.
    QPointer<QMenuBar> bar_;
};
