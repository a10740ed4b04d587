#pragma once
// The main panel: binds and unbinds the second mouse, nudges the pointer
// overlay, opens the About window, hides itself and ends the application.

#include "framework/controls/BitBtn.h"
#include "framework/forms/Forms.h"
#include "framework/controls/Label.h"
#include "framework/controls/SpeedButton.h"
#include "skin/data/WinSkinData.h"
#include "editors/trackbar/cxTrackBar.h"

namespace tandrel {

class TForm1 : public TForm {
public:
    const char* ClassName() const override { return "TForm1"; }

    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TLabel* Label1 = nullptr;
    TSpeedButton* SpeedButton6 = nullptr;
    TSpeedButton* SpeedButton7 = nullptr;
    TSpeedButton* SpeedButton8 = nullptr;
    TSpeedButton* SpeedButton9 = nullptr;
    TLabel* Label2 = nullptr;
    TcxTrackBar* speed = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TSkinData* SkinData1 = nullptr;

protected:
    friend class TCustomForm;
    explicit TForm1(TComponent* owner);
    void Loaded() override;

private:
    void SpeedButton1MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void SpeedButton1MouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void SpeedButton3Click(TObject* sender);
    void SpeedButton4Click(TObject* sender);
    void SpeedButton6Click(TObject* sender);
    void SpeedButton7Click(TObject* sender);
    void SpeedButton8Click(TObject* sender);
    void SpeedButton9Click(TObject* sender);
    // Moves the overlay by the slider's step; a failure leaves it where it is.
    void Nudge(int dx, int dy) noexcept;
};

extern TForm1* Form1;

} // namespace tandrel
