#pragma once

#include <QLocale>
#include <QTranslator>

#include <memory>

// The program's own translation of its texts, chosen by the desktop's languages.
namespace Translation {
// The translation for the first language in the locale's list of user-interface languages (LANGUAGE,
// then LC_ALL, LC_MESSAGES, LANG) that has one, loaded from the program's resources; nothing when an
// English or C locale comes first, or no language of the list has a translation. The caller installs
// it. Only the one chosen file is read.
std::unique_ptr<QTranslator> load(const QLocale& locale = QLocale::system());
} // namespace Translation
