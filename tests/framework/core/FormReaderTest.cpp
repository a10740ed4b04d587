// Stored definitions: values, nesting, handlers, and clear failures.

#include "framework/forms/Application.h"
#include "framework/core/Publisher.h"
#include "framework/core/FormReader.h"
#include "framework/forms/Forms.h"
#include "framework/controls/Label.h"
#include "framework/forms/Menus.h"
#include "framework/controls/SpeedButton.h"
#include "framework/core/Strings.h"

#include <gtest/gtest.h>

namespace tandrel::test {

namespace {

// Records the order of Loaded calls across a definition.
std::vector<std::string> g_loaded;

class TProbe : public TComponent {
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TProbe"; }
    const TClassInfo& ClassInfo() const override
    {
        static const TClassInfo info = [] {
            TClassInfo i("TProbe", &TComponent::StaticClassInfo());
            TPublisher<TProbe>(i)
                .Strings("Lines", &TProbe::LinesObject)
                .Binary("Data", &TProbe::SetData)
                .Set("Kinds", Kinds(), &TProbe::KindSet, &TProbe::SetKindSet)
                .Enumeration("Mode", Modes(), &TProbe::Mode, &TProbe::SetMode)
                .Colour("Colour", &TProbe::Colour, &TProbe::SetColour)
                .Event("OnPing", &TProbe::OnPing);
            return i;
        }();
        return info;
    }
    static const TEnumInfo& Kinds()
    {
        static const TEnumInfo e {{"pkA", "pkB", "pkC"}};
        return e;
    }
    static const TEnumInfo& Modes()
    {
        static const TEnumInfo e {{"pmOff", "pmOn"}};
        return e;
    }
    void Loaded() override
    {
        TComponent::Loaded();
        g_loaded.push_back(Name());
    }
    TStrings* LinesObject() { return &Lines; }
    void SetData(const std::vector<unsigned char>& bytes) { Data = bytes; }
    unsigned KindSet() const { return Set; }
    void SetKindSet(unsigned s) { Set = s; }
    int Mode() const { return ModeValue; }
    void SetMode(int m) { ModeValue = m; }
    TColor Colour() const { return ColourValue; }
    void SetColour(TColor c) { ColourValue = c; }

    TStringList Lines;
    std::vector<unsigned char> Data;
    unsigned Set = 0;
    int ModeValue = 0;
    TColor ColourValue = 0;
    TNotifyEvent OnPing;
};

class TTestForm : public TForm {
public:
    const char* ClassName() const override { return "TTestForm"; }
    int Pings = 0;
    void Loaded() override
    {
        TForm::Loaded();
        g_loaded.push_back(Name());
    }

protected:
    friend class TCustomForm;
    explicit TTestForm(TComponent* owner) : TForm(owner)
    {
        PublishHandler("Ping", TNotifyEvent([this](TObject*) { ++Pings; }));
    }
};

struct TRegisterProbe {
    TRegisterProbe() { RegisterComponentClass<TProbe>("TProbe"); }
} g_registerProbe;

std::unique_ptr<TTestForm> Read(const std::string& json)
{
    std::unique_ptr<TTestForm> form(TCustomForm::Create<TTestForm>(nullptr));
    g_loaded.clear();
    ReadComponentDefinition(*form, json);
    return form;
}

std::string ReadError(const std::string& json)
{
    try {
        Read(json);
    } catch (const EReadError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(FormReader, ReadsValuesNestingAndHandlers)
{
    auto form = Read(R"({
      "class": "TTestForm", "name": "Form9", "Caption": "关于", "Width": 300, "Height": 200,
      "Font": { "Name": "MS Sans Serif", "Height": -13, "Style": ["fsBold", "fsItalic"], "Color": "clNavy",
                "Charset": "GB2312_CHARSET" },
      "components": [
        { "class": "TLabel", "name": "Label1", "Left": 5, "Top": 6, "Width": 50, "Height": 20,
          "AutoSize": false, "Caption": "测试", "OnClick": "Ping" },
        { "class": "TProbe", "name": "Probe1", "Lines": ["one", "", "三"], "Data": "00ff10",
          "Kinds": ["pkA", "pkC"], "Mode": "pmOn", "Colour": "clBtnFace", "OnPing": "Ping" },
        { "class": "TPopupMenu", "name": "Menu1", "components": [
            { "class": "TMenuItem", "name": "Item1", "Caption": "&Open" },
            { "class": "TMenuItem", "name": "Item2", "Caption": "-" } ] }
      ] })");
    EXPECT_EQ(form->Name(), "Form9");
    EXPECT_EQ(form->Caption(), L"关于");
    EXPECT_EQ(form->Font().Height(), -13);
    EXPECT_EQ(form->Font().Style(), unsigned(fsBold | fsItalic));
    EXPECT_EQ(form->Font().Color(), clNavy);
    EXPECT_EQ(form->Font().Charset(), GB2312_CHARSET);

    auto* label = dynamic_cast<TLabel*>(form->FindComponent("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Owner(), form.get());
    EXPECT_EQ(label->Parent(), form.get());
    EXPECT_EQ(label->Caption(), L"测试");
    EXPECT_EQ(label->Width(), 50);
    EXPECT_EQ(label->Font().Height(), -13);  // follows the form's font
    label->Click();
    EXPECT_EQ(form->Pings, 1);

    auto* probe = dynamic_cast<TProbe*>(form->FindComponent("Probe1"));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->Lines.Lines(), (std::vector<std::wstring> {L"one", L"", L"三"}));
    EXPECT_EQ(probe->Data, (std::vector<unsigned char> {0x00, 0xFF, 0x10}));
    EXPECT_EQ(probe->Set, 0b101u);
    EXPECT_EQ(probe->ModeValue, 1);
    EXPECT_EQ(probe->ColourValue, clBtnFace);
    probe->OnPing(probe);
    EXPECT_EQ(form->Pings, 2);

    auto* menu = dynamic_cast<TPopupMenu*>(form->FindComponent("Menu1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items().Count(), 2);
    EXPECT_EQ(menu->Items().Items(0)->Caption(), L"&Open");
    EXPECT_TRUE(menu->Items().Items(1)->IsLine());
    EXPECT_EQ(GetMenuItemCount(menu->Handle()), 2);
}

TEST(FormReader, LoadedRunsOnceOnEachComponentAfterEverythingIsRead)
{
    auto form = Read(R"({ "class": "TTestForm", "name": "F",
      "components": [ { "class": "TProbe", "name": "A" }, { "class": "TProbe", "name": "B" } ] })");
    EXPECT_EQ(g_loaded, (std::vector<std::string> {"A", "B", "F"}));
    EXPECT_FALSE(form->FindComponent("A")->IsLoading());
    EXPECT_FALSE(form->IsLoading());
}

TEST(FormReader, FailuresNameThePlaceAndTheFault)
{
    EXPECT_NE(ReadError("{ not json").find("Error reading TTestForm"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TOther"})").find("not TTestForm"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "Bogus": 1})").find("F.Bogus"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "components": [{"class": "TNope", "name": "X"}]})")
                  .find("class TNope not found"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "components": [{"class": "TProbe", "name": "P", "Mode": "pmMaybe"}]})")
                  .find("F.P.Mode: invalid value pmMaybe"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "components": [{"class": "TProbe", "name": "P", "Data": "abc"}]})")
                  .find("F.P.Data"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "components": [{"class": "TProbe", "name": "P", "Data": "zz"}]})")
                  .find("hex digit"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "Width": "wide"})").find("integer"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "Color": "clPlaid"})").find("invalid colour"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "components": [{"class": "TProbe", "name": "P", "OnPing": "Nobody"}]})")
                  .find("handler Nobody not found"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "components": [{"class": "TProbe", "name": "P"}, {"class": "TProbe", "name": "p"}]})")
                  .find("already exists"), std::string::npos);
    EXPECT_NE(ReadError(R"({"class": "TTestForm", "name": "F", "components": [{"class": "TSpeedButton", "name": "S", "Glyph": "424d00"}]})")
                  .find("F.S.Glyph: Bitmap image is not valid"), std::string::npos);
}

TEST(Components, OwnersFreeWhatTheyOwnLastFirst)
{
    std::vector<std::string> freed;
    struct TTracked : TComponent {
        TTracked(TComponent* owner, std::vector<std::string>& log, std::string n) : TComponent(owner), Log(log)
        {
            SetName(n);
        }
        ~TTracked() override { Log.push_back(Name()); }
        std::vector<std::string>& Log;
    };
    auto* root = new TComponent(nullptr);
    new TTracked(root, freed, "A");
    auto* b = new TTracked(root, freed, "B");
    new TTracked(b, freed, "B1");
    new TTracked(root, freed, "C");
    EXPECT_EQ(root->ComponentCount(), 3);
    EXPECT_EQ(root->FindComponent("b"), b);
    delete b;  // leaves its owner's list
    EXPECT_EQ(root->ComponentCount(), 2);
    delete root;
    // A component's own destructor runs before it frees what it owns.
    EXPECT_EQ(freed, (std::vector<std::string> {"B", "B1", "C", "A"}));
}

TEST(Components, FreeNotificationClearsReferences)
{
    struct TWatcher : TComponent {
        using TComponent::TComponent;
        TComponent* Watched = nullptr;
        void Notification(TComponent* c, TOperation op) override
        {
            TComponent::Notification(c, op);
            if (op == TOperation::opRemove && c == Watched)
                Watched = nullptr;
        }
    } watcher(nullptr);
    auto* other = new TComponent(nullptr);
    watcher.Watched = other;
    watcher.FreeNotification(other);
    delete other;
    EXPECT_EQ(watcher.Watched, nullptr);
}

TEST(Strings, TextSplitsOnAnyLineBreakAndJoinsWithCrLf)
{
    TStringList list;
    list.SetText(L"a\r\nb\nc\rd");
    EXPECT_EQ(list.Lines(), (std::vector<std::wstring> {L"a", L"b", L"c", L"d"}));
    EXPECT_EQ(list.Text(), L"a\r\nb\r\nc\r\nd\r\n");
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.BeginUpdate();
    list.Add(L"e");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.IndexOf(L"E"), 3);
    EXPECT_THROW(list.Strings(9), EStringListError);
}

} // namespace tandrel::test
