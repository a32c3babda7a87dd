#include "controls/plot/plot/iPlotTranslation.h"

#include "controls/plot/base/iPlotError.h"

#include "platform/gui/PropertyRegistry.h"

#include <fstream>
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
        std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
        if (!out)
            throw EiPlotError("Cannot create file \"" + FileName + "\"");
        for (const auto& pair : FList)
            out << pair->OriginalString() << '\t' << pair->ReplacementString() << "\r\n";
        if (!out)
            throw EiPlotError("Cannot write file \"" + FileName + "\"");
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Saving Translation Data - ") + error.what());
    }
}

void TiPlotTranslationManager::LoadFromFile(const std::string& FileName)
{
    try {
        std::ifstream in(FileName, std::ios::binary);
        if (!in)
            throw EiPlotError("Cannot open file \"" + FileName + "\"");
        Clear();
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const auto tab = line.find('\t');
            if (tab == std::string::npos)
                throw EiPlotError("Invalid Format - Tab Deliminator Missing");
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
