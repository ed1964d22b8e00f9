#pragma once
// Where the tray's popup menu opens: next to the notification area, on the
// side of the taskbar that faces the screen. Pure functions of rectangles in
// pixels, so every taskbar edge is tested without a desktop.
#include <cstdint>

namespace orvan::shell {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// The taskbar, its notification area (where the icon sits) and the screen.
struct TrayGeometry {
    Rect taskbar;
    Rect notificationArea;
    int screenWidth = 0;
    int screenHeight = 0;
};

// Alignment flags of the popup: vertical placement first, the anchor being
// the menu's left (64) or right (72) edge.
inline constexpr int kPopupVerticalLeftAligned = 64;
inline constexpr int kPopupVerticalRightAligned = 72;

struct PopupPlacement {
    int alignment = kPopupVerticalRightAligned;
    Point anchor;
    Rect exclusion;  // the menu never covers it
    bool operator==(const PopupPlacement&) const = default;
};

// Right edge (T.left > 0), bottom edge (T.top > 0), top edge (T.right
// reaches the screen's width) or else the left edge, in that order.
PopupPlacement PlacePopup(const TrayGeometry& tray);

// The menu's top left corner for a placement: at the anchor, aligned as
// asked; moved above or below the exclusion rectangle when it would cover
// it; kept on the screen.
Point PopupTopLeft(const PopupPlacement& placement, int menuWidth, int menuHeight, int screenWidth,
                   int screenHeight);

// The taskbar on a desktop that only tells where the icon is and what part
// of the screen windows may use: the strip the panel takes from the screen
// (the edge holding the icon when panels take several), else the strip along
// the screen edge nearest the icon.
Rect TaskbarAround(const Rect& icon, const Rect& screen, const Rect& available);

}  // namespace orvan::shell
