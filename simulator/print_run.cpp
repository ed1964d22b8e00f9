// Cards printed at once (orvan-sim usb 0 print N): the counters rise and the
// ribbon and film wear by what each card uses.
#include <algorithm>
#include <limits>

#include "simulator/sim_printer.h"

namespace orvan::sim {
namespace {

// Where page 0x23 keeps the loaded ribbon's code.
constexpr int kMediaPage = 0x23;
constexpr int kRibbonByte = 2;

struct RibbonWear {
    std::uint8_t code;
    CardsPerLevel perLevel;
};

// A full ink level is 50 steps; a full film 10. A YMCK ribbon of 250 sets
// lasts 250 cards (5 a step), a black one 1000; the film lasts 1000 cards.
constexpr CardsPerLevel kUnknownRibbon = {5, 100};
constexpr RibbonWear kRibbonWear[] = {
    {0, {5, 100}},   // YMCK
    {2, {4, 100}},   // YMCK-PO: the overlay panel makes it shorter
    {3, {20, 100}},  // K
    {4, {4, 100}},   // YMCKK
    {5, {4, 100}},   // YMCK-UV
};

std::uint32_t addCapped(std::uint32_t value, std::uint32_t more) {
    const std::uint32_t most = std::numeric_limits<std::uint32_t>::max();
    return value > most - more ? most : value + more;
}

// Lowers a level byte by the steps the new cards complete; never below 0.
std::uint8_t wearLevel(std::uint8_t level, std::uint32_t& wear, std::uint32_t cards,
                       std::uint32_t cardsPerStep) {
    wear += cards;
    const std::uint32_t steps = wear / cardsPerStep;
    wear %= cardsPerStep;
    return static_cast<std::uint8_t>(level - std::min<std::uint32_t>(level, steps));
}

}  // namespace

CardsPerLevel printCardsPerLevel(std::uint8_t ribbonCode) {
    for (const auto& row : kRibbonWear)
        if (row.code == ribbonCode) return row.perLevel;
    return kUnknownRibbon;
}

bool SimPrinter::printCards(int cards) {
    if (cards < 1 || cards > kMaxCardsAtOnce) return false;
    const auto n = static_cast<std::uint32_t>(cards);
    for (Counter c : {Counter::Print, Counter::PrinterTotal, Counter::ThermalHead})
        setCounter(c, addCapped(counter(c), n));
    const CardsPerLevel use = printCardsPerLevel(pageByte(kMediaPage, kRibbonByte));
    setPageByte(0x28, kInkLevelByte,
                wearLevel(pageByte(0x28, kInkLevelByte), inkWear_, n, use.ink));
    setPageByte(0x28, kFilmLevelByte,
                wearLevel(pageByte(0x28, kFilmLevelByte), filmWear_, n, use.film));
    return true;
}

}  // namespace orvan::sim
