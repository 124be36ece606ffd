// SPDX-License-Identifier: MIT
// The windows need an application object before the first test runs.
#include "platform/testing/Testing.h"

#include <gtest/gtest.h>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { Testing::EnsureApplication(); }
};

const ::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
