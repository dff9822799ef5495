#pragma once

#include <QString>

// Yes/no values are the texts "true" and "false", compared exactly and case-sensitively. A value that
// is neither (an empty gConnectDefault, say) is neither true nor false.
inline const QString kTrue = QStringLiteral("true");
inline const QString kFalse = QStringLiteral("false");

inline bool isTrue(const QString& v) {
    return v == kTrue;
}
inline bool isFalse(const QString& v) {
    return v == kFalse;
}
inline QString yesNo(bool b) {
    return b ? kTrue : kFalse;
}
