#include "res/resourcetypes.h"

const ResourceSet& EnglishResources()
{
    static const ResourceSet set{
        .strings = EnglishStringTable(),
    };
    return set;
}
