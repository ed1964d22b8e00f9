#include "shell/tray_placement.h"

#include <algorithm>
#include <array>

namespace orvan::shell {
namespace {

constexpr int kRightAlignedBit = 8;

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool holds(const Rect& r, Point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

Point centre(const Rect& r) {
    return {r.left + r.width() / 2, r.top + r.height() / 2};
}

}  // namespace

PopupPlacement PlacePopup(const TrayGeometry& tray) {
    const Rect& t = tray.taskbar;
    const Rect& n = tray.notificationArea;
    const int w = tray.screenWidth, h = tray.screenHeight;
    if (t.left > 0)  // right edge
        return {kPopupVerticalRightAligned, {n.right, n.bottom}, {n.left, n.top, w, h}};
    if (t.top > 0)  // bottom edge
        return {kPopupVerticalRightAligned, {n.right, n.bottom}, {n.left, n.top, w, h}};
    if (t.right >= w)  // top edge
        return {kPopupVerticalRightAligned, {n.right, n.top}, {n.left, 0, w, n.bottom}};
    return {kPopupVerticalLeftAligned, {n.left, n.bottom}, {0, n.top, n.right, h}};  // left edge
}

Point PopupTopLeft(const PopupPlacement& placement, int menuWidth, int menuHeight, int screenWidth,
                   int screenHeight) {
    const Point a = placement.anchor;
    const bool rightAligned = (placement.alignment & kRightAlignedBit) != 0;
    int x = rightAligned ? a.x - menuWidth : a.x;
    int y = a.y;
    // A menu that would leave the screen opens to the other side of the anchor.
    if (y + menuHeight > screenHeight) y = a.y - menuHeight;
    if (!rightAligned && x + menuWidth > screenWidth) x = a.x - menuWidth;
    if (rightAligned && x < 0) x = a.x;
    const Rect& keepClear = placement.exclusion;
    if (overlaps({x, y, x + menuWidth, y + menuHeight}, keepClear)) {
        if (keepClear.bottom + menuHeight <= screenHeight)
            y = keepClear.bottom;
        else if (keepClear.top - menuHeight >= 0)
            y = keepClear.top - menuHeight;
    }
    x = std::clamp(x, 0, std::max(0, screenWidth - menuWidth));
    y = std::clamp(y, 0, std::max(0, screenHeight - menuHeight));
    return {x, y};
}

Rect TaskbarAround(const Rect& icon, const Rect& screen, const Rect& available) {
    const Point at = centre(icon);
    // What panels take from the screen, edge by edge.
    const std::array<Rect, 4> taken = {
        Rect{screen.left, screen.top, screen.right, available.top},
        Rect{screen.left, available.bottom, screen.right, screen.bottom},
        Rect{screen.left, screen.top, available.left, screen.bottom},
        Rect{available.right, screen.top, screen.right, screen.bottom},
    };
    for (const Rect& strip : taken)
        if (strip.width() > 0 && strip.height() > 0 && holds(strip, at)) return strip;
    // No panel reserves room: the strip along the nearest edge, as deep as the icon.
    const std::array<int, 4> distance = {at.y - screen.top, screen.bottom - at.y,
                                         at.x - screen.left, screen.right - at.x};
    const std::array<Rect, 4> along = {
        Rect{screen.left, screen.top, screen.right, std::max(icon.bottom, screen.top + 1)},
        Rect{screen.left, std::min(icon.top, screen.bottom - 1), screen.right, screen.bottom},
        Rect{screen.left, screen.top, std::max(icon.right, screen.left + 1), screen.bottom},
        Rect{std::min(icon.left, screen.right - 1), screen.top, screen.right, screen.bottom},
    };
    const auto nearest = std::min_element(distance.begin(), distance.end()) - distance.begin();
    return along[static_cast<std::size_t>(nearest)];
}

}  // namespace orvan::shell
