// CHslColor: one colour held both as red, green, blue bytes and as hue,
// saturation and lightness; each form is computed from the other on first
// use, so the toolbar image processors can move a pixel's lightness.
#pragma once

#include "afx/Afx.h"

class CHslColor
{
public:
    explicit CHslColor(COLORREF color);
    // Note the order: red, blue, green.
    CHslColor(BYTE red, BYTE blue, BYTE green);
    // Note the order: hue (degrees 0-360), lightness, saturation (0-1 each).
    CHslColor(float hue, float lightness, float saturation);

    BYTE GetRed() const;
    BYTE GetGreen() const;
    BYTE GetBlue() const;
    float GetHue() const;
    float GetSaturation() const;
    float GetLightness() const;
    COLORREF GetRGB() const;

    void SetRed(BYTE red);
    void SetGreen(BYTE green);
    void SetBlue(BYTE blue);
    void SetHue(float hue);
    void SetSaturation(float saturation);
    void SetLightness(float lightness);

private:
    void EnsureRgb() const;
    void EnsureHsl() const;

    mutable BYTE m_red;
    mutable BYTE m_green;
    mutable BYTE m_blue;
    mutable BYTE m_unused;
    mutable float m_hue;
    mutable float m_saturation;
    mutable float m_lightness;
    mutable bool m_bRgbValid;
    mutable bool m_bHslValid;
};
