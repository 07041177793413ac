// The tray icon's animation as plain state: the frames, which one is shown,
// when the animation started and for how long, and the icon to put back.
#pragma once

#include "afx/Afx.h"

#include <vector>

class CTrayAnimation
{
public:
    CTrayAnimation() : m_icons(), m_nCurrent(0), m_tStart(0), m_nDuration(0), m_hIconBefore(nullptr), m_bRunning(false) {}

    void SetIconList(const HICON* pIcons, int nCount);
    void ClearIcons() { m_icons.clear(); }
    void AddIcon(HICON hIcon) { m_icons.push_back(hIcon); }
    int GetIconCount() const { return static_cast<int>(m_icons.size()); }
    HICON GetIcon(int i) const { return m_icons[i]; }

    // Restarts from frame 0; remembers the icon shown before.
    void Start(__time64_t tNow, int nDurationSeconds, HICON hIconBefore);
    // True when the animation has run longer than its duration (never for
    // a duration of 0 or less).
    bool IsOver(__time64_t tNow) const;
    // The next frame, wrapping round; null without frames.
    HICON Step();
    // Ends the animation; returns the icon to put back (null: none).
    HICON Stop();

    bool IsRunning() const { return m_bRunning; }
    int GetCurrentFrame() const { return m_nCurrent; }

private:
    std::vector<HICON> m_icons;
    int m_nCurrent;
    __time64_t m_tStart;
    int m_nDuration;
    HICON m_hIconBefore;
    bool m_bRunning;
};
