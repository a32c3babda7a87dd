#pragma once
// TiUpDown: the spin buttons of the library's editors, docked at the right edge of an
// editor edit box. A click steps the edit's number by Increment (limited to Min..Max unless
// both are 0) as a user change: the edit raises OnUpdate and tells its form. A held button
// steps again after 500 ms and then every 50 ms.

#include "platform/gui/Control.h"

#include <memory>

class TTimer;
class TiComponentEditorEdit;

class TiUpDown : public TGraphicControl
{
public:
    explicit TiUpDown(TComponent* AOwner);
    ~TiUpDown() override;

    TiComponentEditorEdit* Associate() const { return FAssociate; }
    /// Binds the edit and moves the buttons to its right edge, at its height.
    void SetAssociate(TiComponentEditorEdit* Value);
    int Min() const { return FMin; }
    void SetMin(int Value) { FMin = static_cast<short>(Value); }
    int Max() const { return FMax; }
    void SetMax(int Value) { FMax = static_cast<short>(Value); }
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }

    /// The edit's number, 0 without an edit.
    int AsInteger() const;
    /// Writes the number into the edit, limited to Max and then raised to Min unless both
    /// are 0, and held within the edit's range when it has one; as a user change when it
    /// comes from the mouse or the timer, else silently.
    void SetAsInteger(int Value);

    void Disable();
    void Enable();

    TRect UpButtonRect() const { return FUpButtonRect; }
    TRect DownButtonRect() const { return FDownButtonRect; }
    bool UpButtonPressed() const { return FUpButtonPressed; }
    bool DownButtonPressed() const { return FDownButtonPressed; }
    /// The repeat timer (for tests that step it).
    TTimer& RepeatTimer() const { return *FTimer; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void UpdateButtons();
    void Step();
    void TimerTick();

    std::unique_ptr<TTimer> FTimer;
    bool FFirstTimerMessage = false;
    TiComponentEditorEdit* FAssociate = nullptr;
    short FMin = 0;
    short FMax = 100;
    int FIncrement = 1;
    bool FMouseDown = false;
    int FMouseDownX = 0;
    int FMouseDownY = 0;
    bool FUpButtonPressed = false;
    bool FDownButtonPressed = false;
    TRect FUpButtonRect{};
    TRect FDownButtonRect{};
    bool FUserGenerated = false;
};
