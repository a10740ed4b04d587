#pragma once
// The control dispatch: which control of a skinned window gets which
// control skinner. Runs once, when the form skinning object attaches to its
// window; controls made later keep their own look.

#include "framework/forms/Forms.h"
#include "skin/controls/SkinControlList.h"
#include "skin/data/WinSkinData.h"

#include <windows.h>

#include <string>

namespace tandrel {

class TCustomTabControl;

// Tag values that pick a skinner whatever the control's class. The last
// two digits count (Tag % 100), except for tgOwnScrollBars, which Tag must
// equal.
enum TSkinTag : int {
    tgOwnScrollBars = 55, // counts as a control with scroll bars of its own
    tgComboBox = 95,      // a windowed control skinned as a combo box
    tgScrollBars = 96,    // a windowed control given skinned scroll bars
    tgEdit = 97,          // a windowed control skinned as an edit
};

// What the dispatch needs of the form skinning object that runs it.
class TSkinDispatchHost {
public:
    virtual HWND Handle() const = 0;
    // The framework form of the window, or none (dialogs, message boxes).
    virtual TCustomForm* Form() const = 0;
    virtual TSkinData* SkinData() const = 0;
    virtual TSkinControlList& Skinners() = 0;

protected:
    ~TSkinDispatchHost() = default;
};

// Chooses skinners for a form's components by class, Tag and Skin3rd, or for
// the child windows of a window without a form by window class. The skinners
// it makes are owned by the host's skinner list, with `owner` as their owner.
class TSkinDispatch {
public:
    TSkinDispatch(TComponent& owner, TSkinDispatchHost& host);
    TSkinDispatch(const TSkinDispatch&) = delete;
    TSkinDispatch& operator=(const TSkinDispatch&) = delete;

    void SkinComponents(TWinControl* container);
    // Skin3rd: true when the class is listed, whatever was skinned.
    bool SkinThirdParty(const std::string& className, TControl* control);
    bool IsAlreadySkinned(TComponent* component) const;
    bool HasOwnScrollBars(TComponent* component) const;
    void SkinChildWindows();
    void SkinChildWindow(HWND handle);
    TSkinControl* FindSkinner(HWND handle) const;
    // True when the skinner is registered already; otherwise the list takes it.
    bool RegisterSkinner(TSkinControl* skinner);
    // Sets a published enumeration (or boolean) property by value name;
    // nothing when there is no such property or value.
    static void SetEnumProperty(TComponent* component, const std::string& propertyName,
                                const std::string& valueName);

private:
    void SkinComponent(TWinControl* container, TComponent* component);
    TSkinCaptionColours& Colours();
    // The face for a tab control's pages, where they keep their own colour.
    void GivePages(TCustomTabControl& tabs);
    void SkinByRules(TComponent* component, const std::string& upperClass, int tagRest);
    bool SkinBoxesAndChoices(TComponent* component, const std::string& upperClass);
    bool SkinScrolling(TComponent* component, const std::string& upperClass, int tagRest);
    bool SkinEditFamily(TComponent* component, const std::string& upperClass, int tagRest);
    template <class T>
    void SkinGroupChildren(TWinControl* group);
    void SkinThirdPartyKind(const std::string& kind, TControl* control);
    std::string Skin3rdKind(const std::string& className) const;
    template <class T>
    T& NewSkinner();
    template <class T>
    void AttachSkinner(TWinControl* control, bool setColour);
    template <class T>
    void AttachHandleSkinner(HWND window);
    void AttachScrollSkinner(TWinControl* control, bool ownThumbDrag);

    TComponent& m_owner;
    TSkinDispatchHost& m_host;
};

} // namespace tandrel
