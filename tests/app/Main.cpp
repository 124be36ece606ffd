// The application's windows need the Qt application before the first test.
#include "platform/Testing.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    Testing::EnsureApplication();
    return RUN_ALL_TESTS();
}
