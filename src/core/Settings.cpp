#include "core/Settings.h"

#include "core/Money.h"

#include <cmath>

qint64 variantNumber(const QString& text) {
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > 9.0e15)
        return 0;
    return qint64(roundTiesToEven(d));
}
