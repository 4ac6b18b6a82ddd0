#pragma once

#include "advice/AdviceSet.h"

/** Field-by-field equality of two sets, for the targets' properties. */
class SetComparison
{
public:
    static bool sameHeader (const AdviceSet& a, const AdviceSet& b);
    /** The header and every item: text, tags in order and favourite mark, in the same order. */
    static bool sameSet (const AdviceSet& a, const AdviceSet& b);
};
