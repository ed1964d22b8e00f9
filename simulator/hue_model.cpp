// The model behind the stand-in colour guidance.
//
// Retransfer. The force that presses the image onto the card grows with the
// transfer temperature and with a slower speed: for a cell of temperature
// byte T (0..4) and speed byte S (0 fast .. 5 slow) it is F = T + S (0..9).
// Each card type has its own thresholds:
//   - F at either extreme is prohibited (too cold and fast to hold, or hot
//     and slow enough to damage the card);
//   - a low F leaves parts of the image behind: retransfer defects;
//   - the heat also deforms the card. What the card suffers is the force of
//     this side plus the force of the other side at the same temperature
//     (its chosen speed), less what the bend remedy flattens again; past the
//     card's limit the card bends much;
//   - everything between is recommended, and the card type's factory
//     setting is the one standard cell.
// PET-G needs more force than PVC, HR-PET-G more still and takes more heat,
// so the three maps differ visibly.
//
// Bend remedy. The force of the flattening roller grows with its
// temperature and with a slower speed: for row R (0..5) and speed byte V
// (0 slow .. 4 fast) it is R + 4 - V (0..9). Cells whose force falls into
// the same band of two share a colour. With the remedy on, every three
// steps of its force take one step of bending off the retransfer.
#include "simulator/hue_model.h"

namespace orvan::sim::hue {
namespace {

constexpr int kCardTypes = 3, kRows = 5, kSpeeds = 6, kBendRows = 6, kBendColumns = 5;
constexpr int kRetransferColumns = 6;
constexpr int kBendRowsWithOff = kBendRows + 1;  // the last one is "off"

struct CardModel {
    int prohibitedUpTo;  // F at or below: prohibited
    int prohibitedFrom;  // F at or above: prohibited
    int defectsUpTo;     // F at or below: retransfer defects
    int bendsFrom;       // load at or above: the card bends much
    int standardRow;     // the factory setting
    int standardSpeed;
};
constexpr CardModel kCards[kCardTypes] = {
    {0, 9, 2, 11, 2, 2},  // PVC
    {1, 9, 3, 12, 3, 2},  // PET-G
    {2, 9, 4, 13, 3, 3},  // HR-PET-G
};

int remedyForce(int row, int speed) {
    return row + (kBendColumns - 1) - speed;
}

int remedyRelief(const Choice& c) {
    return c.bendRow == kBendOff ? 0 : remedyForce(c.bendRow, c.bendColumn) / 3;
}

std::int32_t retransferHint(const CardModel& card, int row, int speed, int otherSpeed, int relief) {
    const int force = row + speed;
    if (force <= card.prohibitedUpTo || force >= card.prohibitedFrom) return kProhibited;
    if (row == card.standardRow && speed == card.standardSpeed) return kStandard;
    if (force <= card.defectsUpTo) return kDefects;
    if (force + (row + otherSpeed) - relief >= card.bendsFrom) return kBendsMuch;
    return kRecommended;
}

bool inRange(int value, int count) {
    return value >= 0 && value < count;
}

}  // namespace

std::optional<std::int32_t> identifierOf(const Choice& c) {
    const bool off = c.bendRow == kBendOff;
    if (!inRange(c.card, kCardTypes) || !inRange(c.row, kRows) || !inRange(c.frontSpeed, kSpeeds) ||
        !inRange(c.backSpeed, kSpeeds) || (!off && !inRange(c.bendRow, kBendRows)) ||
        (!off && !inRange(c.bendColumn, kBendColumns)))
        return std::nullopt;
    const int bendRow = off ? kBendRows : c.bendRow;
    const int bendColumn = off ? 0 : c.bendColumn;
    int id = c.card;
    id = id * kRows + c.row;
    id = id * kSpeeds + c.frontSpeed;
    id = id * kSpeeds + c.backSpeed;
    id = id * kBendRowsWithOff + bendRow;
    id = id * kBendColumns + bendColumn;
    return id;
}

std::optional<Choice> choiceOf(std::int32_t id) {
    constexpr int kCount = kCardTypes * kRows * kSpeeds * kSpeeds * kBendRowsWithOff * kBendColumns;
    if (!inRange(id, kCount)) return std::nullopt;
    Choice c;
    c.bendColumn = id % kBendColumns;
    id /= kBendColumns;
    const int bendRow = id % kBendRowsWithOff;
    id /= kBendRowsWithOff;
    c.bendRow = bendRow == kBendRows ? kBendOff : bendRow;
    c.backSpeed = id % kSpeeds;
    id /= kSpeeds;
    c.frontSpeed = id % kSpeeds;
    id /= kSpeeds;
    c.row = id % kRows;
    c.card = id / kRows;
    return c;
}

Hints hintsFor(const Choice& c) {
    Hints hints;
    const CardModel& card = kCards[inRange(c.card, kCardTypes) ? c.card : 0];
    const int relief = remedyRelief(c);
    for (int cell = 0; cell < kCells; ++cell) {
        const int row = cell / kRetransferColumns;
        const int speed = kSpeeds - 1 - cell % kRetransferColumns;
        hints.front[cell] = retransferHint(card, row, speed, c.backSpeed, relief);
        hints.back[cell] = retransferHint(card, row, speed, c.frontSpeed, relief);
        const int band = remedyForce(cell / kBendColumns, cell % kBendColumns) / 2;
        hints.bend[cell] = kRemedyBands[static_cast<std::size_t>(band)];
    }
    return hints;
}

}  // namespace orvan::sim::hue
