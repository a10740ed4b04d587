// The skinner list of a skinned window: it owns its skinners, finds them by
// window, and gives every control its own handling back before it frees
// any skinner.

#include "skin/controls/SkinControlList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tandrel::test {

namespace {

class TRecordingSkinner final : public TSkinControl {
public:
    TRecordingSkinner(std::vector<std::string>& log, std::string name, HWND window)
        : TSkinControl(nullptr), m_log(log), m_name(std::move(name))
    {
        m_handle = window;
    }
    ~TRecordingSkinner() override { m_log.push_back("free " + m_name); }
    void Detach() override { m_log.push_back("detach " + m_name); }
    void Refresh() override { m_log.push_back("refresh " + m_name); }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

} // namespace

TEST(SkinControlList, OwnsFindsRefreshesAndDetachesAllBeforeFreeingAny)
{
    std::vector<std::string> log;
    auto* const first = reinterpret_cast<HWND>(0x10);
    auto* const second = reinterpret_cast<HWND>(0x20);
    {
        TSkinControlList list;
        TSkinControl& a = list.Add(std::make_unique<TRecordingSkinner>(log, "a", first));
        list.Add(std::make_unique<TRecordingSkinner>(log, "b", second));
        list.Add(std::make_unique<TRecordingSkinner>(log, "c", nullptr)); // windowless
        EXPECT_EQ(list.Find(first), &a);
        EXPECT_EQ(list.Find(reinterpret_cast<HWND>(0x30)), nullptr);
        list.SetHot(&a);
        list.LeaveHot(); // no real window: the notice goes nowhere
        EXPECT_EQ(list.Hot(), nullptr);

        list.Refresh();
        EXPECT_EQ(log, (std::vector<std::string> {"refresh a", "refresh b", "refresh c"}));
        log.clear();
        list.SetHot(&a);
        list.Clear();
        EXPECT_TRUE(list.Empty());
        EXPECT_EQ(list.Hot(), nullptr);
        EXPECT_EQ(log, (std::vector<std::string> {"detach a", "detach b", "detach c", "free a", "free b", "free c"}));
        log.clear();
        list.Add(std::make_unique<TRecordingSkinner>(log, "d", first));
    }
    // The list's end frees what it still holds, detached first.
    EXPECT_EQ(log, (std::vector<std::string> {"detach d", "free d"}));
}

} // namespace tandrel::test
