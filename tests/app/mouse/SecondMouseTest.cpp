// The second mouse's device logic against a host that records what it is
// asked to do: choosing, motion, clicks and drags at the tip, unplug and
// replug, the remembered device.

#include "app/mouse/SecondMouse.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

namespace tandrel {
namespace {

constexpr TDeviceHandle kFirst = 0x101;   // the mouse that clicks the panel
constexpr TDeviceHandle kSecond = 0x202;  // the one to bind
constexpr TDeviceHandle kThird = 0x303;
const std::string kSecondName = R"(\\?\HID#VID_046D&PID_C077#7&1a2b&0&0000#{378de44c-56ef-11d1-bc8c-00a0c91405dd})";

std::string Name(TBoundButton b) { return b == TBoundButton::Left ? "L" : b == TBoundButton::Right ? "R" : "M"; }
std::string At(TScreenPoint p) { return std::to_string(p.X) + "," + std::to_string(p.Y); }

// Two screens side by side: the primary 0..1024 x 0..768 and one to its left.
class TRecordingHost : public TSecondMouseHost {
public:
    TScreenArea VirtualScreen() const override { return {-1280, 0, 1024, 1024}; }
    TScreenArea PrimaryScreen() const override { return {0, 0, 1024, 768}; }
    TScreenPoint Tip() const override { return TipAt; }
    void MoveTip(TScreenPoint tip) override
    {
        TipAt = tip;
        Log.push_back("tip " + At(tip));
    }
    void TakeCursor(TScreenPoint tip) override { Log.push_back("take " + At(tip)); }
    void CursorTo(TScreenPoint tip) override { Log.push_back("cursor " + At(tip)); }
    void ButtonDown(TBoundButton b) override { Log.push_back("down " + Name(b)); }
    void ButtonUp(TBoundButton b) override { Log.push_back("up " + Name(b)); }
    void ReturnCursor() override { Log.push_back("return"); }
    std::vector<TMouseDevice> Mice() const override { return Devices; }
    void Listen(bool on) override { Log.push_back(on ? "listen" : "deaf"); }
    void Chosen(const std::string& name) override { Log.push_back("chosen " + name); }
    std::string Remembered() const override { return Memory; }
    void Remember(const std::string& name) override { Memory = name; }

    TScreenPoint TipAt {311, 272};
    std::vector<TMouseDevice> Devices {{kFirst, "first"}, {kSecond, kSecondName}};
    std::string Memory;
    std::vector<std::string> Log;
};

TRawMouse Moved(TDeviceHandle device, int dx, int dy) { return {device, 0, 0, dx, dy}; }
TRawMouse Buttons(TDeviceHandle device, std::uint16_t flags) { return {device, 0, flags, 0, 0}; }
TRawMouse AbsoluteAt(TDeviceHandle device, int x, int y, std::uint16_t extra = 0)
{
    return {device, static_cast<std::uint16_t>(rmMoveAbsolute | extra), 0, x, y};
}

class SecondMouseTest : public ::testing::Test {
protected:
    // The install button is pressed with the first mouse, released, clicked.
    void ClickInstall()
    {
        mouse.Arm();
        mouse.Input(Buttons(kFirst, rbLeftUp));
        ASSERT_EQ(mouse.BeginChoosing(), TChooseStart::csWaiting);
    }
    void BindSecond()
    {
        ClickInstall();
        mouse.Input(Moved(kSecond, 1, 0));
        ASSERT_EQ(mouse.BoundDevice(), kSecond);
        host.Log.clear();
    }
    std::vector<std::string> TakeLog() { return std::exchange(host.Log, {}); }

    TRecordingHost host;
    TSecondMouse mouse {host};
};

using Log = std::vector<std::string>;

TEST_F(SecondMouseTest, ChoosesTheFirstOtherMouseThatMoves)
{
    mouse.Arm();
    EXPECT_EQ(TakeLog(), Log {"listen"});
    mouse.Input(Moved(kFirst, 2, 1));        // armed: nothing is chosen yet
    mouse.Input(Buttons(kFirst, rbLeftUp));  // this release ends the click on the install button
    EXPECT_EQ(mouse.BeginChoosing(), TChooseStart::csWaiting);
    EXPECT_TRUE(mouse.Choosing());
    mouse.Input(Moved(kFirst, 5, 5));        // the clicking mouse goes on moving: ignored
    mouse.Input(Moved(kSecond, 0, 0));       // a record without motion chooses nothing
    mouse.Input(Moved(0, 9, 9));             // injected input has no device
    EXPECT_FALSE(mouse.Bound());
    EXPECT_TRUE(TakeLog().empty());

    mouse.Input(Moved(kSecond, 3, -2));
    EXPECT_TRUE(mouse.Bound());
    EXPECT_FALSE(mouse.Choosing());
    EXPECT_EQ(mouse.BoundDevice(), kSecond);
    EXPECT_EQ(host.Memory, kSecondName);
    // The choosing motion already moves the overlay.
    EXPECT_EQ(TakeLog(), (Log {"chosen " + kSecondName, "tip 314,270"}));
    mouse.Input(Moved(kThird, 4, 4));        // later movers change nothing
    EXPECT_EQ(mouse.BoundDevice(), kSecond);
    EXPECT_TRUE(mouse.Listening());
}

TEST_F(SecondMouseTest, TheClickersReleaseMayComeAfterTheClick)
{
    mouse.Arm();
    ASSERT_EQ(mouse.BeginChoosing(), TChooseStart::csWaiting);
    mouse.Input(Buttons(kFirst, rbLeftUp));
    mouse.Input(Moved(kFirst, 1, 1));
    EXPECT_FALSE(mouse.Bound());
    mouse.Input(Moved(kSecond, 1, 1));
    EXPECT_EQ(mouse.BoundDevice(), kSecond);
}

TEST_F(SecondMouseTest, OnlyOneMouseNeitherWaitsNorListens)
{
    host.Devices = {{kFirst, "first"}};
    mouse.Arm();
    EXPECT_EQ(mouse.BeginChoosing(), TChooseStart::csOnlyOneMouse);
    EXPECT_FALSE(mouse.Choosing());
    EXPECT_FALSE(mouse.Listening());
    EXPECT_EQ(TakeLog(), (Log {"listen", "deaf"}));
}

TEST_F(SecondMouseTest, CancelOrAPressWithoutClickStopsListeningAndKeepsWhatWasBound)
{
    mouse.Arm();
    mouse.Disarm();
    EXPECT_FALSE(mouse.Listening());
    ClickInstall();
    mouse.CancelChoosing();
    EXPECT_FALSE(mouse.Listening());
    mouse.Input(Moved(kSecond, 1, 1));
    EXPECT_FALSE(mouse.Bound());

    BindSecond();
    ClickInstall();
    mouse.CancelChoosing();
    EXPECT_EQ(mouse.BoundDevice(), kSecond);
    EXPECT_TRUE(mouse.Listening());  // the bound mouse is still heard
    mouse.Disarm();                  // not armed: nothing to undo
    EXPECT_TRUE(mouse.Listening());
}

TEST_F(SecondMouseTest, ADeviceWithoutANameIsNotChosen)
{
    host.Devices.push_back({kThird, ""});
    ClickInstall();
    mouse.Input(Moved(kThird, 1, 0));
    EXPECT_FALSE(mouse.Bound());
    EXPECT_TRUE(mouse.Choosing());
}

TEST_F(SecondMouseTest, RelativeMotionMovesTheTipOnePixelPerCountAndStaysOnTheVirtualScreen)
{
    BindSecond();
    host.TipAt = {100, 100};
    mouse.Input(Moved(kSecond, 7, -3));
    EXPECT_EQ(host.TipAt, (TScreenPoint {107, 97}));
    mouse.Input(Moved(kSecond, -5000, 5000));  // into the corner of the left screen's reach
    EXPECT_EQ(host.TipAt, (TScreenPoint {-1280, 1023}));
    host.Log.clear();
    mouse.Input(Moved(kSecond, -1, 1));         // against the edge: no move at all
    EXPECT_TRUE(TakeLog().empty());
    mouse.Input(Moved(kFirst, 50, 50));         // the first mouse never moves the overlay
    EXPECT_EQ(host.TipAt, (TScreenPoint {-1280, 1023}));
    mouse.Input({kSecond, rmAttributesChanged, 0, 40, 40});
    EXPECT_EQ(host.TipAt, (TScreenPoint {-1280, 1023}));
}

TEST_F(SecondMouseTest, AbsoluteMotionMapsToThePrimaryOrTheVirtualScreen)
{
    BindSecond();
    mouse.Input(AbsoluteAt(kSecond, 0, 0));
    EXPECT_EQ(host.TipAt, (TScreenPoint {0, 0}));
    mouse.Input(AbsoluteAt(kSecond, 65535, 65535));
    EXPECT_EQ(host.TipAt, (TScreenPoint {1023, 767}));
    mouse.Input(AbsoluteAt(kSecond, 0, 0, rmVirtualDesktop));
    EXPECT_EQ(host.TipAt, (TScreenPoint {-1280, 0}));
    mouse.Input(AbsoluteAt(kSecond, 65535, 32768, rmVirtualDesktop));
    EXPECT_EQ(host.TipAt, (TScreenPoint {1023, 512}));
    mouse.Input(AbsoluteAt(kSecond, 70000, -5));  // out of range values stay on the screen
    EXPECT_EQ(host.TipAt, (TScreenPoint {1023, 0}));
    EXPECT_EQ(MapAbsolute(32768, 32768, {0, 0, 1024, 768}), (TScreenPoint {512, 384}));
}

TEST_F(SecondMouseTest, AnAbsoluteMouseIsChosenWhenItsPositionChanges)
{
    host.Devices.push_back({kThird, "tablet"});
    ClickInstall();
    mouse.Input(AbsoluteAt(kThird, 100, 100));
    ASSERT_EQ(mouse.BoundDevice(), kThird);  // the first record of a device is a move

    ClickInstall();
    mouse.Input({kSecond, rmMoveAbsolute, 0, 500, 500});
    ASSERT_EQ(mouse.BoundDevice(), kSecond);
    ClickInstall();
    mouse.Input({kSecond, rmMoveAbsolute, rbLeftDown, 500, 500});  // same place, a press: not a move
    EXPECT_TRUE(mouse.Choosing());
    mouse.Input({kSecond, rmMoveAbsolute, 0, 501, 500});
    EXPECT_FALSE(mouse.Choosing());
}

TEST_F(SecondMouseTest, AClickIsDeliveredAtTheTipAndTheCursorComesBack)
{
    BindSecond();
    host.TipAt = {400, 300};
    mouse.Input(Buttons(kSecond, rbLeftDown));
    mouse.Input(Buttons(kSecond, rbLeftUp));
    mouse.Input(Buttons(kSecond, rbRightDown | rbRightUp));  // both in one record: a whole click
    EXPECT_EQ(TakeLog(), (Log {"take 400,300", "down L", "up L", "return", "take 400,300", "down R", "up R",
                               "return"}));
}

TEST_F(SecondMouseTest, ADragFollowsTheTipAndTheFirstMouseCannotPullItAway)
{
    BindSecond();
    host.TipAt = {400, 300};
    mouse.Input(Buttons(kSecond, rbLeftDown));
    mouse.Input(Moved(kSecond, 10, 5));
    mouse.Input(Moved(kFirst, -30, 0));
    mouse.Input(Buttons(kSecond, rbRightDown));  // a second button joins the drag
    mouse.Input(Buttons(kSecond, rbLeftUp));
    mouse.Input(Moved(kSecond, 1, 0));
    mouse.Input(Buttons(kSecond, rbRightUp));
    mouse.Input(Moved(kFirst, -30, 0));          // no drag: the first mouse is free
    EXPECT_EQ(TakeLog(), (Log {"take 400,300", "down L", "tip 410,305", "cursor 410,305", "cursor 410,305",
                               "down R", "up L", "tip 411,305", "cursor 411,305", "up R", "return"}));
}

TEST_F(SecondMouseTest, ButtonsOutOfStepAreIgnored)
{
    BindSecond();
    host.TipAt = {5, 5};
    mouse.Input(Buttons(kSecond, rbLeftUp));      // pressed before binding
    mouse.Input(Buttons(kSecond, rbLeftDown));
    mouse.Input(Buttons(kSecond, rbLeftDown));    // a repeated press
    mouse.Input(Buttons(kSecond, rbLeftUp));
    mouse.Input(Buttons(kFirst, rbLeftDown | rbLeftUp));
    EXPECT_EQ(TakeLog(), (Log {"take 5,5", "down L", "up L", "return"}));
}

TEST_F(SecondMouseTest, UnbindReleasesHeldButtonsForgetsAndStopsListening)
{
    EXPECT_FALSE(mouse.Unbind());  // nothing bound
    BindSecond();
    mouse.Input(Buttons(kSecond, rbLeftDown));
    EXPECT_TRUE(mouse.Unbind());
    EXPECT_FALSE(mouse.Bound());
    EXPECT_EQ(host.Memory, "");
    EXPECT_FALSE(mouse.Listening());
    EXPECT_EQ(TakeLog(), (Log {"take 312,272", "down L", "up L", "return", "deaf"}));
    mouse.Input(Moved(kSecond, 5, 5));
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_FALSE(mouse.Unbind());
}

TEST_F(SecondMouseTest, UnplugUnbindsCleanlyAndReplugRebinds)
{
    BindSecond();
    mouse.Input(Buttons(kSecond, rbLeftDown));
    mouse.DeviceRemoved(kFirst);  // another device: nothing happens
    EXPECT_EQ(mouse.BoundDevice(), kSecond);
    host.Devices = {{kFirst, "first"}};
    mouse.DeviceRemoved(kSecond);
    EXPECT_EQ(mouse.BoundDevice(), 0u);
    EXPECT_TRUE(mouse.Bound());       // still remembered, waiting for it
    EXPECT_TRUE(mouse.Listening());   // for the arrival notice
    EXPECT_EQ(TakeLog(), (Log {"take 312,272", "down L", "up L", "return"}));

    mouse.Input(Moved(kSecond, 5, 5));  // a late record of the old handle
    EXPECT_TRUE(TakeLog().empty());

    // Plugged in again it gets a new handle; the name, in another case, finds it.
    constexpr TDeviceHandle kReplugged = 0x909;
    std::string upper = kSecondName;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    host.Devices.push_back({0x808, "some other mouse"});
    mouse.DeviceArrived(0x808);
    EXPECT_EQ(mouse.BoundDevice(), 0u);
    host.Devices.push_back({kReplugged, upper});
    mouse.DeviceArrived(kReplugged);
    EXPECT_EQ(mouse.BoundDevice(), kReplugged);
    mouse.Input(Moved(kReplugged, 1, 1));
    EXPECT_EQ(host.TipAt, (TScreenPoint {313, 273}));
}

TEST_F(SecondMouseTest, TheRememberedDeviceIsBoundAtStartWhenPresentOrWhenItArrives)
{
    host.Memory = kSecondName;
    mouse.Start();
    EXPECT_EQ(mouse.BoundDevice(), kSecond);
    EXPECT_TRUE(mouse.Listening());

    TRecordingHost later;
    later.Memory = kSecondName;
    later.Devices = {{kFirst, "first"}};
    TSecondMouse absent(later);
    absent.Start();
    EXPECT_TRUE(absent.Bound());
    EXPECT_EQ(absent.BoundDevice(), 0u);
    EXPECT_TRUE(absent.Listening());
    later.Devices.push_back({kThird, kSecondName});
    absent.DeviceArrived(kThird);
    EXPECT_EQ(absent.BoundDevice(), kThird);

    TRecordingHost fresh;
    TSecondMouse none(fresh);
    none.Start();
    EXPECT_FALSE(none.Bound());
    EXPECT_FALSE(none.Listening());
}

TEST_F(SecondMouseTest, ChoosingAgainReplacesTheBindingAndReleasesItsButtons)
{
    host.Devices.push_back({kThird, "third"});
    BindSecond();
    mouse.Input(Buttons(kSecond, rbLeftDown));
    ClickInstall();
    mouse.Input(Moved(kThird, 1, 0));
    EXPECT_EQ(mouse.BoundDevice(), kThird);
    EXPECT_EQ(host.Memory, "third");
    EXPECT_EQ(TakeLog(), (Log {"take 312,272", "down L", "up L", "return", "chosen third", "tip 313,272"}));
}

TEST(SecondMouseNames, DeviceNamesCompareWithoutCaseAndEmptyNeverMatches)
{
    EXPECT_TRUE(SameDeviceName(R"(\\?\HID#VID_046D)", R"(\\?\hid#vid_046d)"));
    EXPECT_FALSE(SameDeviceName(R"(\\?\HID#VID_046D)", R"(\\?\HID#VID_046E)"));
    EXPECT_FALSE(SameDeviceName("", ""));
    EXPECT_FALSE(SameDeviceName("abc", "abcd"));
}

} // namespace
} // namespace tandrel
