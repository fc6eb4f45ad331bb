#include "platform/EntryName.h"

bool HoldsPathSeparator(QStringView name) {
    return name.contains(u'/') || name.contains(u'\\') || name.contains(u':');
}
