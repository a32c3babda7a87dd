#include "platform/gui/TreeView.h"

#include "platform/gui/ImageList.h"
#include "platform/gui/QtConversions.h"
#include "platform/gui/canvas/Bitmap.h"

#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>

void TTreeNode::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    if (tree_)
        tree_->showImage(*this);
}

TTreeView::TTreeView(TComponent* AOwner) : TWinControl(AOwner, new QTreeWidget)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    SetTabStop(true);
    SetColor(clWindow);
    tree()->setHeaderHidden(true);
    tree()->setColumnCount(1);
    SetBounds(0, 0, 121, 97);
}

TTreeView::~TTreeView() = default;

QTreeWidget* TTreeView::tree() const { return static_cast<QTreeWidget*>(Widget()); }

TTreeNode* TTreeView::AddChild(TTreeNode* Parent, const std::string& Text)
{
    auto node = std::make_unique<TTreeNode>();
    node->text_ = Text;
    node->parent_ = Parent;
    node->tree_ = this;
    node->item_ = new QTreeWidgetItem(QStringList{qx::toQt(Text)});
    if (!readOnly_)
        node->item_->setFlags(node->item_->flags() | Qt::ItemIsEditable);
    if (Parent)
        Parent->item_->addChild(node->item_);
    else
        tree()->addTopLevelItem(node->item_);
    TTreeNode* added = node.get();
    (Parent ? Parent->children_ : roots_).push_back(std::move(node));
    resort();
    return added;
}

void TTreeView::ClearItems()
{
    tree()->clear();
    roots_.clear();
}

void TTreeView::FullExpand() { tree()->expandAll(); }

void TTreeView::SetReadOnly(bool Value) { readOnly_ = Value; }

void TTreeView::SetSortType(TSortType Value)
{
    sortType_ = Value;
    resort();
}

void TTreeView::resort()
{
    const bool byText = sortType_ == stText || sortType_ == stBoth;
    tree()->setSortingEnabled(byText);
    if (byText)
        tree()->sortItems(0, Qt::AscendingOrder);
}

void TTreeView::SetImages(TImageList* Value)
{
    images_ = Value;
    std::vector<TTreeNode*> pending;
    for (auto& root : roots_)
        pending.push_back(root.get());
    while (!pending.empty()) {
        TTreeNode* node = pending.back();
        pending.pop_back();
        showImage(*node);
        for (auto& child : node->children_)
            pending.push_back(child.get());
    }
}

void TTreeView::showImage(TTreeNode& node)
{
    if (!images_ || node.imageIndex_ < 0 || node.imageIndex_ >= images_->Count()) {
        node.item_->setIcon(0, QIcon());
        return;
    }
    TBitmap picture(images_->Width(), images_->Height());
    picture.Canvas().Brush().Color = ColorToRGB(Color());
    picture.Canvas().FillRect({0, 0, images_->Width(), images_->Height()});
    images_->Draw(picture.Canvas(), 0, 0, node.imageIndex_);
    node.item_->setIcon(0, QIcon(QPixmap::fromImage(picture.Image())));
}
