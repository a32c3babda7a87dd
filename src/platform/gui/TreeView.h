#pragma once

#include "platform/gui/Control.h"

#include <memory>
#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TImageList;
class TTreeView;

/// One node of a tree view: its text, its picture indexes and its children.
class TTreeNode
{
public:
    const std::string& Text() const { return text_; }
    TTreeNode* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int Index) const { return children_.at(static_cast<std::size_t>(Index)).get(); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int Value) { selectedIndex_ = Value; }

private:
    friend class TTreeView;
    std::string text_;
    TTreeNode* parent_ = nullptr;
    TTreeView* tree_ = nullptr;
    QTreeWidgetItem* item_ = nullptr;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
};

enum TSortType { stNone, stData, stText, stBoth };

/// A tree of text nodes with pictures from an image list; built by code, shown read-only
/// or editable, sorted by text when SortType asks for it.
class TTreeView : public TWinControl
{
public:
    explicit TTreeView(TComponent* AOwner);
    ~TTreeView() override;

    /// Adds a node under Parent (nullptr: a top-level node) and returns it.
    TTreeNode* AddChild(TTreeNode* Parent, const std::string& Text);
    void ClearItems();
    /// Opens every node, as a user unfolding the whole tree.
    void FullExpand();
    int TopCount() const { return static_cast<int>(roots_.size()); }
    TTreeNode* TopItem(int Index) const { return roots_.at(static_cast<std::size_t>(Index)).get(); }

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType Value);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* Value);

private:
    friend class TTreeNode;
    QTreeWidget* tree() const;
    void showImage(TTreeNode& node);
    void resort();

    std::vector<std::unique_ptr<TTreeNode>> roots_;
    bool readOnly_ = false;
    TSortType sortType_ = stNone;
    TImageList* images_ = nullptr;
};
