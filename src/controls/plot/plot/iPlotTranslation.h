#pragma once
// The plot's table of text replacements: pairs of original and replacement text, newest
// first, through which the library translates its own captions and item texts; saved to and
// read from a tab-separated text file.

#include "platform/gui/Collection.h"

#include <memory>
#include <string>
#include <vector>

class TiPlotTranslationObject : public TPersistent
{
public:
    const std::string& OriginalString() const { return FOriginalString; }
    void SetOriginalString(const std::string& Value) { FOriginalString = Value; }
    const std::string& ReplacementString() const { return FReplacementString; }
    void SetReplacementString(const std::string& Value) { FReplacementString = Value; }

private:
    std::string FOriginalString = "Unknown";
    std::string FReplacementString = "Unknown";
};

class TiPlotTranslationManager : public TOwnedItemsReader
{
public:
    int Count() const { return static_cast<int>(FList.size()); }
    TiPlotTranslationObject& Item(int Index) const { return *FList.at(static_cast<std::size_t>(Index)); }
    /// A new pair at index 0 (the newest first); returns 0.
    int Add();
    void Delete(int Index);
    void Clear() { FList.clear(); }
    /// The replacement of the newest pair whose original equals Text exactly, else Text.
    std::string FindReplacement(const std::string& Text) const;
    void SaveToFile(const std::string& FileName) const;
    /// Empties the table, then adds one pair a line (original, tab, replacement).
    void LoadFromFile(const std::string& FileName);

    // A layout's "TranslationManager" collection.
    void ClearItems() override { Clear(); }
    TPersistent* NewItem() override;
    void ItemRead(TPersistent& Item) override;
    /// Oldest pair first: as each pair read goes to the front, the table reads back in its
    /// order.
    void ForEachItem(const std::function<void(TPersistent&)>& Visit) override;

private:
    std::vector<std::unique_ptr<TiPlotTranslationObject>> FList;
    std::unique_ptr<TiPlotTranslationObject> FPending;
};

namespace qx {
void registerPlotTranslationClasses();
}
