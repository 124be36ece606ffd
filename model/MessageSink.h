// SPDX-License-Identifier: MIT
#pragma once

// Where the model's own messages go. The solution-file operations report
// failures here; the application installs a sink that shows message boxes,
// tests install one that records. Without a sink nothing is shown.

#include <string>

class CMessageSink {
public:
    virtual ~CMessageSink();
    virtual void ShowError(const std::u16string& text) = 0;
};

void SetMessageSink(CMessageSink* pSink);
CMessageSink* GetMessageSink();

// Sends text to the installed sink, if any.
void ReportError(const std::u16string& text);
