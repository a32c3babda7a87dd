#pragma once
// Qt side of the controls: the widget of a drawn control and the filter that
// turns a widget's Qt events into the control's messages. Platform code only.

#include <QObject>
#include <QWidget>

class QPainter;
class TControl;

namespace qx {

/// The widget of a control that draws itself (and of plain windowed
/// controls): paints through the control's WM_PAINT and keeps mouse events
/// from reaching the parent, as a window of its own would.
class ControlWidget : public QWidget
{
public:
    explicit ControlWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

/// Installed on every control's widget: input, focus, size and close events
/// become the control's messages; exceptions from handlers go to the
/// application's exception handler.
class ControlBridge : public QObject
{
public:
    ControlBridge(TControl* control, QWidget* widget);
    TControl* control() const { return control_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool propagated(QEvent* event) const;
    bool mouse(QEvent* event);
    bool key(QEvent* event);
    void focus(QEvent* event);
    void resized();
    bool closeRequested(QEvent* event);
    bool contextMenu(QEvent* event);

    TControl* control_;
    bool reinjecting_ = false;
};

/// The Qt shape of a standard cursor (crHandPoint ...).
Qt::CursorShape qtCursor(int cursor);

/// The painter of a drawn control's paint in progress (its canvas's), nullptr
/// outside painting.
QPainter* activePainter(const TControl* control);

} // namespace qx
