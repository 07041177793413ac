#include "framework/util/HslColor.h"

#include <algorithm>

namespace {
BYTE Channel(float p, float q, float hue)
{
    if (hue < 0)
        hue += 360;
    else if (hue > 360)
        hue -= 360;
    float value = p;
    if (hue < 60)
        value = p + (q - p) * hue / 60;
    else if (hue < 180)
        value = q;
    else if (hue < 240)
        value = p + (q - p) * (240 - hue) / 60;
    return static_cast<BYTE>(value * 255);
}
}

CHslColor::CHslColor(COLORREF color)
    : m_red(GetRValue(color)), m_green(GetGValue(color)), m_blue(GetBValue(color)), m_unused(0),
      m_hue(0), m_saturation(0), m_lightness(0), m_bRgbValid(true), m_bHslValid(false)
{
}

CHslColor::CHslColor(BYTE red, BYTE blue, BYTE green)
    : m_red(red), m_green(green), m_blue(blue), m_unused(0), m_hue(0), m_saturation(0),
      m_lightness(0), m_bRgbValid(true), m_bHslValid(false)
{
}

CHslColor::CHslColor(float hue, float lightness, float saturation)
    : m_red(0), m_green(0), m_blue(0), m_unused(0), m_hue(hue), m_saturation(saturation),
      m_lightness(lightness), m_bRgbValid(false), m_bHslValid(true)
{
}

void CHslColor::EnsureHsl() const
{
    if (m_bHslValid)
        return;
    const int maxByte = std::max({ m_red, m_green, m_blue });
    const int minByte = std::min({ m_red, m_green, m_blue });
    const float delta = static_cast<float>(maxByte - minByte);
    m_lightness = static_cast<float>(maxByte + minByte) / 510.0f;
    if (maxByte == minByte)
    {
        m_hue = 0;
        m_saturation = 0;
    }
    else
    {
        m_saturation = m_lightness <= 0.5f ? delta / static_cast<float>(maxByte + minByte)
                                           : delta / static_cast<float>(510 - maxByte - minByte);
        // Later tests win when two bytes share the maximum.
        if (m_red == maxByte)
            m_hue = 60 * (6 + (m_green - m_blue) / delta);
        if (m_green == maxByte)
            m_hue = 60 * (2 + (m_blue - m_red) / delta);
        if (m_blue == maxByte)
            m_hue = 60 * (4 + (m_red - m_green) / delta);
        if (m_hue > 360)
            m_hue -= 360;
    }
    m_bHslValid = true;
}

void CHslColor::EnsureRgb() const
{
    if (m_bRgbValid)
        return;
    if (m_saturation == 0)
    {
        m_red = m_green = m_blue = static_cast<BYTE>(m_lightness * 255);
    }
    else
    {
        const float q = m_lightness <= 0.5f ? m_lightness * (1 + m_saturation)
                                            : m_lightness + m_saturation - m_lightness * m_saturation;
        const float p = 2 * m_lightness - q;
        m_red = Channel(p, q, m_hue + 120);
        m_green = Channel(p, q, m_hue);
        m_blue = Channel(p, q, m_hue - 120);
    }
    m_bRgbValid = true;
}

BYTE CHslColor::GetRed() const { EnsureRgb(); return m_red; }
BYTE CHslColor::GetGreen() const { EnsureRgb(); return m_green; }
BYTE CHslColor::GetBlue() const { EnsureRgb(); return m_blue; }
float CHslColor::GetHue() const { EnsureHsl(); return m_hue; }
float CHslColor::GetSaturation() const { EnsureHsl(); return m_saturation; }
float CHslColor::GetLightness() const { EnsureHsl(); return m_lightness; }

COLORREF CHslColor::GetRGB() const
{
    EnsureRgb();
    return RGB(m_red, m_green, m_blue);
}

void CHslColor::SetRed(BYTE red) { EnsureRgb(); m_red = red; m_bHslValid = false; }
void CHslColor::SetGreen(BYTE green) { EnsureRgb(); m_green = green; m_bHslValid = false; }
void CHslColor::SetBlue(BYTE blue) { EnsureRgb(); m_blue = blue; m_bHslValid = false; }
void CHslColor::SetHue(float hue) { EnsureHsl(); m_hue = hue; m_bRgbValid = false; }

void CHslColor::SetSaturation(float saturation)
{
    EnsureHsl();
    m_saturation = saturation;
    m_bRgbValid = false;
}

void CHslColor::SetLightness(float lightness)
{
    EnsureHsl();
    m_lightness = lightness;
    m_bRgbValid = false;
}
