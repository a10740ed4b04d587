// Test entry: the framework's application object exists for the whole run.

#include "framework/forms/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    tandrel::InitializeFramework();
    tandrel::Application->Initialize();
    int result = RUN_ALL_TESTS();
    tandrel::FinalizeFramework();
    return result;
}
