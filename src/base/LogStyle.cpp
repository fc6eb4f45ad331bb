#include "base/LogStyle.h"

LogKind ClassifyLogText(const QString& text) {
    if (text.contains(QLatin1String("warning"), Qt::CaseInsensitive))
        return LogKind::Warning;
    if (text.contains(QLatin1String("error"), Qt::CaseInsensitive))
        return LogKind::Error;
    return LogKind::Normal;
}
