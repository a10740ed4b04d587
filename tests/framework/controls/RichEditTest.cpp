// The rich edit control: lines and text round-trip, read-only, long texts.

#include "framework/controls/RichEdit.h"
#include "tests/framework/controls/FormFixture.h"

namespace tandrel::test {

namespace {
class RichEditTest : public TFormTest {};
}

TEST_F(RichEditTest, LinesAndTextRoundTripThroughTheRichEditWindow)
{
    auto* rich = Add<TRichEdit>(10, 10, 280, 150);
    rich->Lines().SetLines({L"first", L"第二行", L"third"});
    rich->SetScrollBars(TScrollStyle::ssVertical);
    int changes = 0;
    rich->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    wchar_t className[64] {};
    GetClassNameW(rich->Handle(), className, 64);
    EXPECT_STREQ(className, L"TRichEdit");
    WNDCLASSEXW system {};
    system.cbSize = sizeof system;
    ASSERT_TRUE(GetClassInfoExW(nullptr, TRichEdit::WindowClassName(), &system));

    EXPECT_EQ(rich->Text(), L"first\r\n第二行\r\nthird");
    EXPECT_EQ(rich->Lines().Count(), 3);
    EXPECT_EQ(rich->Lines().Strings(1), L"第二行");
    rich->SetTextValue(L"one\r\ntwo");
    EXPECT_EQ(rich->Lines().Lines(), (std::vector<std::wstring> {L"one", L"two"}));

    SendMessageW(rich->Handle(), EM_SETSEL, 0, 0);
    SendMessageW(rich->Handle(), WM_CHAR, 'x', 1);
    EXPECT_EQ(rich->Text(), L"xone\r\ntwo");
    EXPECT_GE(changes, 1);

    rich->SetReadOnly(true);
    SendMessageW(rich->Handle(), WM_CHAR, 'y', 1);
    EXPECT_EQ(rich->Text(), L"xone\r\ntwo");

    // Past the rich edit's own default limit of 32,767 characters; the
    // vertical bar shows once the lines overflow.
    std::wstring longText;
    for (int i = 0; i < 400; ++i)
        longText += std::wstring(98, L'a') + L"\r\n";
    rich->SetTextValue(longText);
    EXPECT_EQ(rich->Text().size(), longText.size());
    EXPECT_TRUE(GetWindowLongPtrW(rich->Handle(), GWL_STYLE) & WS_VSCROLL);
}

} // namespace tandrel::test
