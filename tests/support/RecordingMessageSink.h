// SPDX-License-Identifier: MIT
#pragma once

// Installs itself as the model's message sink for its lifetime and keeps
// every text reported, so tests can assert what the user would have seen.

#include <string>
#include <vector>

#include "model/MessageSink.h"

namespace trellis::test {

class RecordingMessageSink : public CMessageSink {
public:
    RecordingMessageSink();
    ~RecordingMessageSink() override;

    void ShowError(const std::u16string& text) override;

    std::vector<std::u16string> m_messages;

private:
    CMessageSink* m_pPrevious;
};

}  // namespace trellis::test
