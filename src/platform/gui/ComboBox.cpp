#include "platform/gui/ComboBox.h"

#include "platform/gui/Application.h"
#include "platform/gui/ItemStrings.h"
#include "platform/gui/QtConversions.h"
#include "platform/gui/canvas/Canvas.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

/// Tells the control when its list opens and closes, and when it is shown.
class ComboWidget : public QComboBox
{
public:
    std::function<void()> droppingDown;
    std::function<void()> closedUp;
    std::function<void()> showing;

    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            if (showing)
                showing();
            shown_ = true;
            if (fontOwed_) {
                fontOwed_ = false;
                QEvent font(QEvent::FontChange);
                QComboBox::changeEvent(&font);
            }
        }
        return QComboBox::event(e);
    }

protected:
    // The box's answer to a new font makes its whole list (view, model,
    // delegate); a box not yet shown (most sit on hidden pages) answers
    // once, when first shown, before it paints.
    void changeEvent(QEvent* e) override
    {
        if (e->type() == QEvent::FontChange && !shown_) {
            fontOwed_ = true;
            QWidget::changeEvent(e);
            return;
        }
        QComboBox::changeEvent(e);
    }

private:
    bool shown_ = false;
    bool fontOwed_ = false;

    void showPopup() override
    {
        if (droppingDown)
            droppingDown();
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (closedUp)
            closedUp();
    }
};

/// A see-through layer over the whole box, its edit field included, that the control draws
/// on after the toolkit has painted; it follows the box's size and lets the mouse through.
class PaintOverLayer : public QWidget
{
public:
    PaintOverLayer(QWidget* box, std::function<void(TCanvas&)> paint) : QWidget(box), paint_(std::move(paint))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
    void paintEvent(QPaintEvent*) override
    {
        TCanvas canvas(this);
        paint_(canvas);
    }

private:
    std::function<void(TCanvas&)> paint_;
};

} // namespace

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner, new ComboWidget)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csSetCaption});
    SetTabStop(true);
    SetColor(clWindow);
    // The box starts without an edit field; the style's own is made before
    // anything goes into the box and before it is first shown (see realize).
    auto* box = static_cast<ComboWidget*>(combo());
    box->setInsertPolicy(QComboBox::NoInsert);
    box->droppingDown = [this] {
        realize();
        qx::guarded(this, [this] { qx::fire(OnDropDown, this); });
    };
    box->closedUp = [this] { qx::guarded(this, [this] { qx::fire(OnCloseUp, this); }); };
    box->showing = [this] { realize(); };
    QObject::connect(box, &QComboBox::activated, box, [this](int index) { userPicked(index); });

    qx::ItemStrings::Access access;
    access.count = [box] { return box->count(); };
    access.get = [box](int i) { return qx::fromQt(box->itemText(i)); };
    access.insert = [this, box](int i, const std::string& s) {
        realize();
        // Qt picks the first item added to an empty box; the list control does not.
        const int before = box->currentIndex();
        const QString edited = box->currentText();
        box->insertItem(i, qx::toQt(s));
        if (before == -1 && box->currentIndex() != -1) {
            const QSignalBlocker block(box);
            box->setCurrentIndex(-1);
            if (box->isEditable())
                box->setEditText(edited);
        }
    };
    access.remove = [this, box](int i) {
        realize();
        box->removeItem(i);
    };
    access.clear = [this, box] {
        realize();
        box->clear();
    };
    access.put = [this, box](int i, const std::string& s) {
        realize();
        box->setItemText(i, qx::toQt(s));
    };
    items_ = std::make_unique<qx::ItemStrings>(std::move(access));
    items_->OnChange = [this](TObject*) { itemsChanged(); };
    SetBounds(0, 0, 145, 21);
    over_ = new PaintOverLayer(box, [this](TCanvas& canvas) { qx::guarded(this, [&] { PaintOver(canvas); }); });
    over_->setGeometry(box->rect());
    over_->raise();
    over_->show();
}

TComboBox::~TComboBox() = default;

QComboBox* TComboBox::combo() const { return static_cast<QComboBox*>(Widget()); }

void TComboBox::SetStyle(TComboBoxStyle Value)
{
    style_ = Value;
    if (realized_)
        applyStyle();
}

void TComboBox::realize()
{
    if (realized_)
        return;
    realized_ = true;
    const bool editable = style_ == csDropDown || style_ == csSimple;
    if (!editable)
        return; // the box was made without an edit field
    // Nothing is in the box yet: the edit field shows the text, as it would
    // had it been there from the start.
    const QSignalBlocker block(combo());
    makeEditField();
    combo()->setEditText(qx::toQt(Text()));
}

void TComboBox::makeEditField()
{
    combo()->setEditable(true);
    combo()->setInsertPolicy(QComboBox::NoInsert);
    combo()->setCompleter(nullptr); // typed text stays as typed
    combo()->lineEdit()->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
    QObject::connect(combo()->lineEdit(), &QLineEdit::textEdited, combo(), [this](const QString& t) { userTyped(t); });
    over_->raise(); // above the new edit field
}

void TComboBox::applyStyle()
{
    const bool editable = style_ == csDropDown || style_ == csSimple;
    if (editable == combo()->isEditable())
        return;
    const QSignalBlocker block(combo());
    if (editable)
        makeEditField();
    else
        combo()->setEditable(false);
    itemsChanged();
}

int TComboBox::ItemIndex() const { return combo()->currentIndex(); }

void TComboBox::SetItemIndex(int Value)
{
    realize();
    if (Value < -1 || Value >= combo()->count())
        Value = -1;
    {
        const QSignalBlocker block(combo());
        combo()->setCurrentIndex(Value);
    }
    fromWidget_ = true;
    SetText(Value >= 0 ? Items()->Get(Value) : std::string());
    fromWidget_ = false;
}

void TComboBox::SetDropDownCount(int Value)
{
    dropDownCount_ = Value;
    combo()->setMaxVisibleItems(std::max(Value, 1));
}

void TComboBox::SetMaxLength(int Value)
{
    maxLength_ = std::max(Value, 0);
    if (combo()->lineEdit())
        combo()->lineEdit()->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

bool TComboBox::DroppedDown() const { return combo()->view()->isVisible(); }

void TComboBox::SetDroppedDown(bool Value)
{
    realize();
    if (Value)
        combo()->showPopup();
    else
        combo()->hidePopup();
}

void TComboBox::SetDroppedWidth(int Value) { combo()->view()->setMinimumWidth(std::max(Value, 0)); }

int TComboBox::SelStart() const
{
    const QLineEdit* edit = combo()->lineEdit();
    if (!edit)
        return 0;
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TComboBox::SetSelStart(int Value)
{
    realize();
    if (QLineEdit* edit = combo()->lineEdit()) {
        if (edit->hasSelectedText())
            edit->deselect();
        edit->setCursorPosition(Value);
    }
}

int TComboBox::SelLength() const
{
    const QLineEdit* edit = combo()->lineEdit();
    return edit ? static_cast<int>(edit->selectedText().size()) : 0;
}

void TComboBox::SetSelLength(int Value)
{
    realize();
    if (QLineEdit* edit = combo()->lineEdit())
        edit->setSelection(SelStart(), Value);
}

std::string TComboBox::SelText() const
{
    const QLineEdit* edit = combo()->lineEdit();
    return edit ? qx::fromQt(edit->selectedText()) : std::string();
}

void TComboBox::SelectAll()
{
    realize();
    if (combo()->lineEdit())
        combo()->lineEdit()->selectAll();
}

void TComboBox::Clear()
{
    Items()->Clear();
    SetText({});
}

void TComboBox::TextChanged()
{
    if (fromWidget_)
        return;
    realize();
    const QSignalBlocker block(combo());
    if (combo()->isEditable())
        combo()->setEditText(qx::toQt(Text()));
    else
        combo()->setCurrentIndex(Items()->IndexOf(Text()));
}

void TComboBox::itemsChanged()
{
    // Removing or replacing the picked item changes the shown text.
    const std::string shown = combo()->isEditable() ? qx::fromQt(combo()->currentText())
                                                    : (ItemIndex() >= 0 ? Items()->Get(ItemIndex()) : std::string());
    fromWidget_ = true;
    SetText(shown);
    fromWidget_ = false;
}

void TComboBox::userPicked(int index)
{
    qx::guarded(this, [&] {
        fromWidget_ = true;
        SetText(index >= 0 ? Items()->Get(index) : std::string());
        fromWidget_ = false;
        Click();
        Select();
    });
}

void TComboBox::userTyped(const QString& text)
{
    qx::guarded(this, [&] {
        fromWidget_ = true;
        SetText(qx::fromQt(text));
        fromWidget_ = false;
        Change();
    });
}

void TComboBox::Change() { qx::fire(OnChange, this); }

void TComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}
