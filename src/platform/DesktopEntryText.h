#pragma once

#include <QString>

// Writing values of a freedesktop desktop entry (menu shortcuts, autostart entries).
namespace DesktopEntryText {

// A string value: the backslash and the control characters written as escapes.
QString escapeValue(const QString& v);

// One argument of the Exec key, always quoted: inside the quotes " ` $ and \ take a backslash, and
// the field-code sign % is doubled.
QString quoteArgument(const QString& arg);

} // namespace DesktopEntryText
