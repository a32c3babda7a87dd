#include "platform/gui/ListBox.h"

#include "platform/gui/Application.h"
#include "platform/gui/ItemStrings.h"
#include "platform/gui/QtConversions.h"

#include <QListWidget>

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner, new QListWidget)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csSetCaption});
    SetTabStop(true);
    SetColor(clWindow);
    QListWidget* w = list();
    w->setUniformItemSizes(true);
    qx::ItemStrings::Access access;
    access.count = [w] { return w->count(); };
    access.get = [w](int i) { return qx::fromQt(w->item(i)->text()); };
    // Changes of the list are not the user's picks.
    access.insert = [w](int i, const std::string& s) {
        const QSignalBlocker block(w);
        w->insertItem(i, qx::toQt(s));
    };
    access.remove = [w](int i) {
        const QSignalBlocker block(w);
        delete w->takeItem(i);
    };
    access.clear = [w] {
        const QSignalBlocker block(w);
        w->clear();
    };
    access.put = [w](int i, const std::string& s) { w->item(i)->setText(qx::toQt(s)); };
    items_ = std::make_unique<qx::ItemStrings>(std::move(access));
    QObject::connect(w, &QListWidget::currentRowChanged, w, [this] { qx::guarded(this, [this] { Click(); }); });
    SetItemHeight(13);
    SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() = default;

QListWidget* TListBox::list() const { return static_cast<QListWidget*>(Widget()); }

int TListBox::ItemIndex() const { return list()->currentRow(); }

void TListBox::SetItemIndex(int Value)
{
    const QSignalBlocker block(list());
    list()->setCurrentRow(Value >= 0 && Value < list()->count() ? Value : -1);
    if (QListWidgetItem* item = list()->currentItem())
        list()->scrollToItem(item);
}

void TListBox::SetItemHeight(int Value)
{
    itemHeight_ = Value;
    list()->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; padding: 0px; }").arg(Value));
}

void TListBox::SetScrollWidth(int Value)
{
    scrollWidth_ = Value;
    list()->setHorizontalScrollBarPolicy(Value > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}
