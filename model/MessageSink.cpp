// SPDX-License-Identifier: MIT
#include "model/MessageSink.h"

namespace {
CMessageSink* g_pSink = nullptr;
}

CMessageSink::~CMessageSink() = default;

void SetMessageSink(CMessageSink* pSink)
{
    g_pSink = pSink;
}

CMessageSink* GetMessageSink()
{
    return g_pSink;
}

void ReportError(const std::u16string& text)
{
    if (g_pSink != nullptr)
        g_pSink->ShowError(text);
}
