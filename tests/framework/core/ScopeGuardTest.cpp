// Undo on the way out of a scope: always, or only when an exception leaves it.

#include "framework/core/ScopeGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tandrel::test {

TEST(ScopeGuard, ExitAlwaysRunsFailOnlyWhenAnExceptionLeaves)
{
    int exits = 0, fails = 0;
    {
        auto const exit = OnScopeExit([&] { ++exits; });
        auto const fail = OnScopeFail([&] { ++fails; });
    }
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(fails, 0);
    try {
        auto const exit = OnScopeExit([&] { ++exits; });
        auto const fail = OnScopeFail([&] { ++fails; });
        throw std::runtime_error("leaves");
    } catch (const std::runtime_error&) {
        // Once the exception is caught, a scope left normally runs no undo.
        try {
            auto const fail = OnScopeFail([&] { ++fails; });
        } catch (...) {
        }
    }
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(fails, 1);
}

} // namespace tandrel::test
