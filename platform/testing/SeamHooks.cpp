// SPDX-License-Identifier: MIT
#include "platform/testing/SeamHooks.h"

namespace Testing::seams {

namespace {

class ScriptHooks final : public PlatformHooks {
public:
    bool AnswerMessageBox(const std::u16string& strText, UINT nType, int& nResult) override
    {
        return seams::AnswerMessageBox(strText, nType, nResult);
    }
    bool AnswerFileDialog(const FileDialogRequest& request, std::optional<std::u16string>& path) override
    {
        return seams::AnswerFileDialog(request, path);
    }
    bool RunModalDialog(CDialog& dialog) override { return seams::RunModalDialog(dialog); }
    bool AnswerPrintDialog(std::optional<PrintDialogAnswer>& answer) override
    {
        return seams::AnswerPrintDialog(answer);
    }
    std::u16string SettingsFolder() override { return seams::SettingsFolder(); }
};

}  // namespace

void InstallHooks()
{
    // Never destroyed: windows closing at exit may still ask.
    static ScriptHooks* const s_pHooks = new ScriptHooks;
    PlatformHooks::Install(s_pHooks);
}

}  // namespace Testing::seams
