#include "SetComparison.h"

bool SetComparison::sameHeader (const AdviceSet& a, const AdviceSet& b)
{
    return a.getName() == b.getName()
        && a.getDescription() == b.getDescription()
        && a.getAuthor() == b.getAuthor()
        && a.getLanguage() == b.getLanguage()
        && a.getColour() == b.getColour();
}

bool SetComparison::sameSet (const AdviceSet& a, const AdviceSet& b)
{
    if (! sameHeader (a, b) || a.getNumItems() != b.getNumItems())
        return false;

    for (int i = 0; i < a.getNumItems(); ++i)
        if (a.getItemText (i) != b.getItemText (i)
            || a.getItemTagsString (i) != b.getItemTagsString (i)
            || a.isItemFavourite (i) != b.isItemFavourite (i))
            return false;

    return true;
}
