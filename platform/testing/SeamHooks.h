// SPDX-License-Identifier: MIT
#pragma once

// Inside the test library: the hooks it puts in the platform, answered by the
// scripts that are live (ShellSeams.cpp, DialogSeams.cpp). With none live,
// each lets the real window open.

#include "platform/PlatformHooks.h"

#include <optional>
#include <string>

namespace Testing::seams {

// Puts the library's hooks in place, once; every script calls it as it goes live.
void InstallHooks();

bool AnswerMessageBox(const std::u16string& strText, UINT nType, int& nResult);
bool AnswerFileDialog(const FileDialogRequest& request, std::optional<std::u16string>& path);
bool RunModalDialog(CDialog& dialog);
bool AnswerPrintDialog(std::optional<PrintDialogAnswer>& answer);
std::u16string SettingsFolder();

}  // namespace Testing::seams
