#pragma once
// The painter classes, one per visual kind plus one for the visual styles.
// They hold no data: a painter "class" is a pointer to its one instance.

#include "framework/core/Colors.h"

namespace tandrel {

enum TcxButtonState { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };

class TcxCustomLookAndFeelPainter {
public:
    virtual ~TcxCustomLookAndFeelPainter() = default;
    virtual const char* ClassName() const { return "TcxCustomLookAndFeelPainter"; }
    // The face colour of a button-like part in a state.
    virtual TColor FaceColorForState(TcxButtonState state) const;
};

class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
public:
    const char* ClassName() const override { return "TcxStandardLookAndFeelPainter"; }
};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
public:
    const char* ClassName() const override { return "TcxFlatLookAndFeelPainter"; }
};

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
public:
    const char* ClassName() const override { return "TcxUltraFlatLookAndFeelPainter"; }
    TColor FaceColorForState(TcxButtonState state) const override;
};

class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter {
public:
    const char* ClassName() const override { return "TcxWinXPLookAndFeelPainter"; }
};

using TcxLookAndFeelPainterClass = const TcxCustomLookAndFeelPainter*;

// The one instance of each painter class.
template <class T>
TcxLookAndFeelPainterClass PainterClass()
{
    static const T instance;
    return &instance;
}

// Mixes the button face, highlight and window colours by percentage weights
// (a weight may be negative); answers the highlight colour for a pure black
// or pure white face. BlendSystemColors then takes the screen's nearest colour.
COLORREF BlendColors(COLORREF face, COLORREF highlight, COLORREF window, int faceWeight, int highlightWeight,
                     int windowWeight);
TColor BlendSystemColors(int faceWeight, int highlightWeight, int windowWeight);

} // namespace tandrel
