#include "TestControls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <mutex>

void registerTestClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        qx::registerClass<TTestButton, TCustomControl>("TTestButton");
        qx::registerClass<TTestPanel, TCustomControl>("TTestPanel");
        qx::registerClass<TTestLabel, TGraphicControl>("TTestLabel");
        qx::registerClass<TTestColumn>("TTestColumn")
            .property("Width", &TTestColumn::Width, &TTestColumn::SetWidth)
            .property("Title", &TTestColumn::Title, &TTestColumn::SetTitle);
        qx::registerClass<TTestList, TCustomControl>("TTestList")
            .strings("Items", &TTestList::Items)
            .collection("Columns", &TTestList::Columns)
            .picture("Picture", &TTestList::Picture, &TTestList::SetPicture)
            .component<TControl>("Buddy", &TTestList::Buddy, &TTestList::SetBuddy)
            .property("Count", &TTestList::Count, &TTestList::SetCount)
            .oldName("ItemCount")
            .defaultValue(0)
            .binary("Data", &TTestList::Data, &TTestList::SetData)
            .storedWhen([](const TTestList& l) { return !l.Data().empty(); });
        qx::registerClass<TTestForm, TForm>("TTestForm")
            .method("ButtonClick", &TTestForm::ButtonClick)
            .method("PanelMouseDown", &TTestForm::PanelMouseDown)
            .method("FormKeyDown", &TTestForm::FormKeyDown)
            .method("FormCreate", &TTestForm::FormCreate)
            .field("btnOK", &TTestForm::btnOK)
            .field("pnlTop", &TTestForm::pnlTop);
    });
}

void clickAt(TControl* control, int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    QWidget* w = control->Widget();
    const QPointF local(x, y);
    const QPointF global = w->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, mods);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, mods);
    QApplication::sendEvent(w, &release);
}

void pressKey(TWinControl* control, int qtKey, const QString& text, Qt::KeyboardModifiers mods)
{
    QWidget* w = control->Widget();
    QKeyEvent down(QEvent::KeyPress, qtKey, mods, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, mods, text);
    QApplication::sendEvent(w, &up);
}
