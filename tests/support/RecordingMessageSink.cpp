// SPDX-License-Identifier: MIT
#include "tests/support/RecordingMessageSink.h"

namespace trellis::test {

RecordingMessageSink::RecordingMessageSink() : m_pPrevious(GetMessageSink())
{
    SetMessageSink(this);
}

RecordingMessageSink::~RecordingMessageSink()
{
    SetMessageSink(m_pPrevious);
}

void RecordingMessageSink::ShowError(const std::u16string& text)
{
    m_messages.push_back(text);
}

}  // namespace trellis::test
