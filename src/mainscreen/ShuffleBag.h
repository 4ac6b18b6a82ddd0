#pragma once

#include <juce_core/juce_core.h>

/**
    Random draw without repetition: every index of 0 … n - 1 comes up once per cycle
    of n draws. A change of n starts a new cycle at once.
*/
class ShuffleBag
{
public:
    /** A pool index from 0 to n - 1 (0 when n < 1). */
    int next (int n);

    /** Starts a new cycle for a pool of n in which drawn has already come up (an advice
        shown without a draw, as the one restored at start). Nothing for n < 1. */
    void startCycleAfter (int n, int drawn);

    /** How many indexes the current cycle still holds. */
    int getRemaining() const noexcept { return bag.size(); }

private:
    void refill (int n);

    juce::Random random;
    int bagSize = -1;
    juce::Array<int> bag;
};
