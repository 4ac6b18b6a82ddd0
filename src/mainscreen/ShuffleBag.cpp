#include "ShuffleBag.h"

int ShuffleBag::next (int n)
{
    if (n < 1)
        return 0;

    if (bagSize != n || bagSize < 0 || bag.isEmpty())
        refill (n);

    const auto k = random.nextInt (bag.size());
    const auto value = bag.getUnchecked (k);
    bag.remove (k);
    return value;
}

void ShuffleBag::startCycleAfter (int n, int drawn)
{
    if (n < 1)
        return;

    refill (n);
    bag.removeFirstMatchingValue (drawn);
}

void ShuffleBag::refill (int n)
{
    bag.clearQuick();
    bagSize = n;
    random.setSeedRandomly();
    bag.ensureStorageAllocated (n);

    for (int i = 0; i < n; ++i)
        bag.add (i);
}
