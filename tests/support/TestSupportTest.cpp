// The test helpers themselves, where a fault would hide others.

#include "framework/core/SysUtils.h"
#include "framework/forms/MessagePump.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace tandrel::test {

namespace {
bool g_ranAfter = false;
}

TEST(TestSupportTest, AnActionRunSoonThatThrowsFailsTheTestAndTheLoopGoesOn)
{
    g_ranAfter = false;
    EXPECT_NONFATAL_FAILURE(
        {
            RunSoon([] { throw EInvalidOperation("thrown inside the timer"); }, 1);
            RunSoon([] { g_ranAfter = true; }, 1);
            PumpUntil([] { return g_ranAfter; });
        },
        "thrown inside the timer");
    EXPECT_TRUE(g_ranAfter);
}

} // namespace tandrel::test
