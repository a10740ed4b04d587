#pragma once
// A plain form on the screen for tests of controls placed on it.

#include "framework/forms/Forms.h"
#include "framework/forms/Screen.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace tandrel::test {

class TPlainForm : public TForm {
public:
    const char* ClassName() const override { return "TPlainForm"; }

protected:
    friend class TCustomForm;
    explicit TPlainForm(TComponent* owner) : TForm(owner) {}
};

class TFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_form.reset(TCustomForm::Create<TPlainForm>(nullptr));
        m_form->SetBounds(100, 100, 320, 240);
        m_form->SetCaption(L"Test form");
    }
    void TearDown() override
    {
        CancelSoon();
        m_form.reset();
        Screen->SetCursor(crDefault);
        PumpIdle();
    }
    void ShowForm()
    {
        m_form->Show();
        ASSERT_TRUE(PumpUntil([this] { return GetActiveWindow() == m_form->Handle(); }));
        PumpIdle();
    }
    // A control owned by the form and placed on parent (the form by default).
    template <class T>
    T* Add(int left, int top, int width, int height, TWinControl* parent = nullptr)
    {
        auto* c = new T(m_form.get());
        c->SetParent(parent ? parent : m_form.get());
        c->SetBounds(left, top, width, height);
        return c;
    }
    POINT At(TControl& c, int x, int y) { return c.ClientToScreen({x, y}); }

    std::unique_ptr<TPlainForm> m_form;
};

} // namespace tandrel::test
