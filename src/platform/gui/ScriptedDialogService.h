#pragma once

#include "platform/gui/DialogService.h"

#include <deque>

namespace qx {

/// A dialog service that answers from prepared lists and records what was
/// asked, for tests: no window opens. It is put in while it exists.
/// An exhausted list answers as a cancel; message boxes then answer with
/// their first button (OK, Abort, Yes or Retry).
class ScriptedDialogService final : public DialogService
{
public:
    struct MessageBoxCall
    {
        std::string text;
        std::string caption;
        unsigned flags = 0;
    };

    ScriptedDialogService() { setDialogService(this); }
    ~ScriptedDialogService() override { setDialogService(nullptr); }
    ScriptedDialogService(const ScriptedDialogService&) = delete;
    ScriptedDialogService& operator=(const ScriptedDialogService&) = delete;

    std::deque<std::optional<FileDialogResult>> fileAnswers;
    std::deque<std::optional<std::uint32_t>> colorAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<int> messageBoxAnswers;
    std::deque<bool> printAnswers;

    std::vector<FileDialogRequest> fileRequests;
    std::vector<std::uint32_t> colorRequests;
    std::vector<FontChoice> fontRequests;
    std::vector<MessageBoxCall> messageBoxes;
    int printDialogs = 0;

    std::optional<FileDialogResult> runFileDialog(const FileDialogRequest& request) override
    {
        fileRequests.push_back(request);
        return take(fileAnswers);
    }
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override
    {
        colorRequests.push_back(initial);
        return take(colorAnswers);
    }
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override
    {
        fontRequests.push_back(initial);
        return take(fontAnswers);
    }
    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    bool runPrintDialog(QPrinter&) override
    {
        ++printDialogs;
        if (printAnswers.empty())
            return false;
        const bool answer = printAnswers.front();
        printAnswers.pop_front();
        return answer;
    }

private:
    template <typename T>
    static std::optional<T> take(std::deque<std::optional<T>>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        std::optional<T> answer;
        answer.swap(answers.front());
        answers.pop_front();
        return answer;
    }
};

} // namespace qx
