#include "res/resourcetypes.h"

const ResourceSet& JapaneseResources()
{
    static const ResourceSet set{
        .strings = JapaneseStringTable(),
    };
    return set;
}
