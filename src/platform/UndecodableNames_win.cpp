#include "platform/UndecodableNames.h"

QStringList UndecodableNames(const QString&) {
    return {};
}
