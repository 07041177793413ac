// The named colours of the markup: the web colour keywords and the system
// colours, read once when the drawer is made.
#include "tooltip/PPHtmlDrawer.h"

#include <ctype.h>
#include <stdlib.h>

namespace {

struct NamedColor
{
    const char* name;
    COLORREF color;
};

const NamedColor kWebColors[] = {
    {"aqua", RGB(0, 255, 255)}, {"black", RGB(0, 0, 0)}, {"blue", RGB(0, 0, 255)},
    {"brown", RGB(165, 42, 42)}, {"cyan", RGB(0, 255, 255)}, {"gold", RGB(255, 215, 0)},
    {"gray", RGB(128, 128, 128)}, {"green", RGB(0, 128, 0)}, {"magenta", RGB(255, 0, 255)},
    {"maroon", RGB(128, 0, 0)}, {"navy", RGB(0, 0, 128)}, {"olive", RGB(128, 128, 0)},
    {"orange", RGB(255, 165, 0)}, {"pink", RGB(255, 192, 203)}, {"purple", RGB(128, 0, 128)},
    {"red", RGB(255, 0, 0)}, {"silver", RGB(192, 192, 192)}, {"snow", RGB(255, 250, 250)},
    {"violet", RGB(238, 130, 238)}, {"white", RGB(255, 255, 255)}, {"yellow", RGB(255, 255, 0)},
    {"aliceblue", RGB(240, 248, 255)}, {"antiquewhite", RGB(250, 235, 215)},
    {"aquamarine", RGB(127, 255, 212)}, {"azure", RGB(240, 255, 255)}, {"beige", RGB(245, 245, 220)},
    {"bisque", RGB(255, 228, 196)}, {"blanchedalmond", RGB(255, 235, 205)},
    {"blueviolet", RGB(138, 43, 226)}, {"burlywood", RGB(222, 184, 135)},
    {"cadetblue", RGB(95, 158, 160)}, {"chartreuse", RGB(127, 255, 0)},
    {"chocolate", RGB(210, 105, 30)}, {"coral", RGB(255, 127, 80)},
    {"cornflowerblue", RGB(100, 149, 237)}, {"cornsilk", RGB(255, 248, 220)},
    {"crimson", RGB(220, 20, 60)}, {"darkblue", RGB(0, 0, 139)}, {"darkcyan", RGB(0, 139, 139)},
    {"darkgoldenrod", RGB(184, 134, 11)}, {"darkgray", RGB(169, 169, 169)},
    {"darkgreen", RGB(0, 100, 0)}, {"darkkhaki", RGB(189, 183, 107)},
    {"darkmagenta", RGB(139, 0, 139)}, {"darkolivegreen", RGB(85, 107, 47)},
    {"darkorange", RGB(255, 140, 0)}, {"darkorchid", RGB(153, 50, 204)}, {"darkred", RGB(139, 0, 0)},
    {"darksalmon", RGB(233, 150, 122)}, {"darkseagreen", RGB(143, 188, 139)},
    {"darkslateblue", RGB(72, 61, 139)}, {"darkslategray", RGB(47, 79, 79)},
    {"darkturquoise", RGB(0, 206, 209)}, {"darkviolet", RGB(148, 0, 211)},
    {"deeppink", RGB(255, 20, 147)}, {"deepskyblue", RGB(0, 191, 255)},
    {"dimgray", RGB(105, 105, 105)}, {"dodgerblue", RGB(30, 144, 255)},
    {"firebrick", RGB(178, 34, 34)}, {"floralwhite", RGB(255, 250, 240)},
    {"forestgreen", RGB(34, 139, 34)}, {"fuchsia", RGB(255, 0, 255)},
    {"gainsboro", RGB(220, 220, 220)}, {"ghostwhite", RGB(248, 248, 255)},
    {"goldenrod", RGB(218, 165, 32)}, {"greenyellow", RGB(173, 255, 47)},
    {"honeydew", RGB(240, 255, 240)}, {"hotpink", RGB(255, 105, 180)},
    {"indianred", RGB(205, 92, 92)}, {"indigo", RGB(75, 0, 130)}, {"ivory", RGB(255, 255, 240)},
    {"khaki", RGB(240, 230, 140)}, {"lavender", RGB(230, 230, 250)},
    {"lavenderblush", RGB(255, 240, 245)}, {"lawngreen", RGB(124, 252, 0)},
    {"lemonchiffon", RGB(255, 250, 205)}, {"lightblue", RGB(173, 216, 230)},
    {"lightcoral", RGB(240, 128, 128)}, {"lightcyan", RGB(224, 255, 255)},
    {"lightgoldenrodyellow", RGB(250, 250, 210)}, {"lightgreen", RGB(144, 238, 144)},
    {"lightgrey", RGB(211, 211, 211)}, {"lightpink", RGB(255, 182, 193)},
    {"lightsalmon", RGB(255, 160, 122)}, {"lightseagreen", RGB(32, 178, 170)},
    {"lightskyblue", RGB(135, 206, 250)}, {"lightslategray", RGB(119, 136, 153)},
    {"lightsteelblue", RGB(176, 196, 222)}, {"lightyellow", RGB(255, 255, 224)},
    {"lime", RGB(0, 255, 0)}, {"limegreen", RGB(50, 205, 50)}, {"linen", RGB(250, 240, 230)},
    {"mediumaquamarine", RGB(102, 205, 170)}, {"mediumblue", RGB(0, 0, 205)},
    {"mediumorchid", RGB(186, 85, 211)}, {"mediumpurple", RGB(147, 112, 219)},
    {"mediumseagreen", RGB(60, 179, 113)}, {"mediumslateblue", RGB(123, 104, 238)},
    {"mediumspringgreen", RGB(0, 250, 154)}, {"mediumturquoise", RGB(72, 209, 204)},
    {"mediumvioletred", RGB(199, 21, 133)}, {"midnightblue", RGB(25, 25, 112)},
    {"mintcream", RGB(245, 255, 250)}, {"mistyrose", RGB(255, 228, 225)},
    {"moccasin", RGB(255, 228, 181)}, {"navajowhite", RGB(255, 222, 173)},
    {"oldlace", RGB(253, 245, 230)}, {"olivedrab", RGB(107, 142, 35)},
    {"orangered", RGB(255, 69, 0)}, {"orchid", RGB(218, 112, 214)},
    {"palegoldenrod", RGB(238, 232, 170)}, {"palegreen", RGB(152, 251, 152)},
    {"paleturquoise", RGB(175, 238, 238)}, {"palevioletred", RGB(219, 112, 147)},
    {"papayawhip", RGB(255, 239, 213)}, {"peachpuff", RGB(255, 218, 185)},
    {"peru", RGB(205, 133, 63)}, {"plum", RGB(221, 160, 221)}, {"powderblue", RGB(176, 224, 230)},
    {"rosybrown", RGB(188, 143, 143)}, {"royalblue", RGB(65, 105, 225)},
    {"saddlebrown", RGB(139, 69, 19)}, {"salmon", RGB(250, 128, 114)},
    {"sandybrown", RGB(244, 164, 96)}, {"seagreen", RGB(46, 139, 87)},
    {"seashell", RGB(255, 245, 238)}, {"sienna", RGB(160, 82, 45)}, {"skyblue", RGB(135, 206, 235)},
    {"slateblue", RGB(106, 90, 205)}, {"slategray", RGB(112, 128, 144)},
    {"springgreen", RGB(0, 255, 127)}, {"steelblue", RGB(70, 130, 180)}, {"tan", RGB(210, 180, 140)},
    {"teal", RGB(0, 128, 128)}, {"thistle", RGB(216, 191, 216)}, {"tomato", RGB(255, 99, 71)},
    {"turquoise", RGB(64, 224, 208)}, {"wheat", RGB(245, 222, 179)},
    {"whitesmoke", RGB(245, 245, 245)}, {"yellowgreen", RGB(154, 205, 50)},
};

struct SystemColor
{
    const char* name;
    int index;
};

const SystemColor kSystemColors[] = {
    {"activeborder", COLOR_ACTIVEBORDER}, {"activecaption", COLOR_ACTIVECAPTION},
    {"appworkspace", COLOR_APPWORKSPACE}, {"background", COLOR_BACKGROUND},
    {"buttonface", COLOR_BTNFACE}, {"buttonhighlight", COLOR_BTNHIGHLIGHT},
    {"buttonshadow", COLOR_BTNSHADOW}, {"buttontext", COLOR_BTNTEXT},
    {"captiontext", COLOR_CAPTIONTEXT}, {"graytext", COLOR_GRAYTEXT},
    {"highlight", COLOR_HIGHLIGHT}, {"highlighttext", COLOR_HIGHLIGHTTEXT},
    {"inactiveborder", COLOR_INACTIVEBORDER}, {"inactivecaption", COLOR_INACTIVECAPTION},
    {"infobackground", COLOR_INFOBK}, {"infotext", COLOR_INFOTEXT}, {"menu", COLOR_MENU},
    {"menutext", COLOR_MENUTEXT}, {"scrollbar", COLOR_SCROLLBAR},
    {"threeddarkshadow", COLOR_3DDKSHADOW}, {"threedface", COLOR_3DFACE},
    {"threedhighlight", COLOR_3DHIGHLIGHT}, {"threedlightshadow", COLOR_3DLIGHT},
    {"threedshadow", COLOR_3DSHADOW}, {"window", COLOR_WINDOW}, {"windowframe", COLOR_WINDOWFRAME},
    {"windowtext", COLOR_WINDOWTEXT}, {"inactivecaptiontext", COLOR_INACTIVECAPTIONTEXT},
};

}  // namespace

void CPPHtmlDrawer::InitColorNames()
{
    for (const NamedColor& c : kWebColors)
        SetColorName(c.name, c.color);
    for (const SystemColor& c : kSystemColors)
        SetColorName(c.name, GetSysColor(c.index));
}

void CPPHtmlDrawer::SetColorName(const CString& name, COLORREF color)
{
    m_mapColors[name] = color;
}

COLORREF CPPHtmlDrawer::GetColorByName(const CString& name, COLORREF def) const
{
    const auto it = m_mapColors.find(name);
    return it == m_mapColors.end() ? def : it->second;
}

COLORREF CPPHtmlDrawer::GetColor(const CString& value, COLORREF def) const
{
    if (value.IsEmpty())
        return def;
    if (value[0] == '#')
    {
        if (value.GetLength() != 7)
            return def;
        for (int i = 1; i < 7; ++i)
            if (!isxdigit(static_cast<unsigned char>(value[i])))
                return def;
        const CString bgr = "0x" + value.Mid(5, 2) + value.Mid(3, 2) + value.Mid(1, 2);
        return static_cast<COLORREF>(strtoul(bgr, nullptr, 0));
    }
    if (value[0] >= '0' && value[0] <= '9')
        return static_cast<COLORREF>(strtoul(value, nullptr, 0) & 0xFFFFFFFFul);
    return GetColorByName(value, def);
}
