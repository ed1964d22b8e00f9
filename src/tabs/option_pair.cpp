#include "tabs/option_pair.h"

namespace orvan::tabs {

void groupPair(OptionPair& pair) {
    ui::OptionGroup group;
    group.add(pair[0]);
    group.add(pair[1]);
}

void showPair(OptionPair& pair, int field, PairRule rule) {
    bool first = false;
    switch (rule) {
        case PairRule::ZeroIsFirst:
            first = field == 0;
            break;
        case PairRule::OneIsFirst:
            first = field == 1;
            break;
        case PairRule::NonZeroIsFirst:
            first = field != 0;
            break;
    }
    pair[first ? 0 : 1].setValue(true);
    pair[first ? 1 : 0].setValue(false);
}

std::int16_t collectPair(const OptionPair& pair, PairRule rule) {
    switch (rule) {
        case PairRule::ZeroIsFirst:
            return pair[0].value() ? 0 : 1;
        case PairRule::OneIsFirst:
            return pair[1].value() ? 0 : 1;
        case PairRule::NonZeroIsFirst:
            return pair[0].value() ? 1 : 0;
    }
    return 0;
}

void clearPair(OptionPair& pair) {
    pair[0].setValue(false);
    pair[1].setValue(false);
}

void enablePair(OptionPair& pair, bool enabled) {
    pair[0].setEnabled(enabled);
    pair[1].setEnabled(enabled);
}

}  // namespace orvan::tabs
