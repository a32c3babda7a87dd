#include "controls/plot/plot/iPlotTranslation.h"

#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPropertyText.h"

#include "platform/gui/PropertyRegistry.h"

#include <mutex>

int TiPlotTranslationManager::Add()
{
    FList.insert(FList.begin(), std::make_unique<TiPlotTranslationObject>());
    return 0;
}

void TiPlotTranslationManager::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    FList.erase(FList.begin() + Index);
}

std::string TiPlotTranslationManager::FindReplacement(const std::string& Text) const
{
    for (const auto& pair : FList)
        if (pair->OriginalString() == Text)
            return pair->ReplacementString();
    return Text;
}

void TiPlotTranslationManager::SaveToFile(const std::string& FileName) const
{
    try {
        std::vector<std::string> lines;
        for (const auto& pair : FList)
            lines.push_back(pair->OriginalString() + '\t' + pair->ReplacementString());
        qx::plot::SaveLinesToFile(FileName, lines);
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Saving Translation Data - ") + error.what());
    }
}

void TiPlotTranslationManager::LoadFromFile(const std::string& FileName)
{
    try {
        // The whole file is checked before the table changes, so a bad file leaves it as it was.
        const std::vector<std::string> lines = qx::plot::LoadLinesFromFile(FileName);
        for (const std::string& line : lines)
            if (line.find('\t') == std::string::npos)
                throw EiPlotError("Invalid Format - Tab Deliminator Missing");
        Clear();
        for (const std::string& line : lines) {
            const auto tab = line.find('\t');
            Add();
            FList.front()->SetOriginalString(line.substr(0, tab));
            FList.front()->SetReplacementString(line.substr(tab + 1));
        }
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Loading Data - ") + error.what());
    }
}

TPersistent* TiPlotTranslationManager::NewItem()
{
    FPending = std::make_unique<TiPlotTranslationObject>();
    return FPending.get();
}

void TiPlotTranslationManager::ItemRead(TPersistent& Item)
{
    if (&Item == FPending.get())
        FList.insert(FList.begin(), std::move(FPending));
}

void TiPlotTranslationManager::ForEachItem(const std::function<void(TPersistent&)>& Visit)
{
    for (auto it = FList.rbegin(); it != FList.rend(); ++it)
        Visit(**it);
}

namespace qx {

void registerPlotTranslationClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        using T = TiPlotTranslationObject;
        registerClass<T>("TiPlotTranslationObject")
            .property("OriginalString", &T::OriginalString, &T::SetOriginalString)
            .property("ReplacementString", &T::ReplacementString, &T::SetReplacementString);
    });
}

} // namespace qx
