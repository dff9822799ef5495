#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace StartPage {

// The address the browser is started on for the start page, or nothing when it must not be opened.
// - Blanks around the text do not count. An empty start page gives an empty address: the browser
//   starts without a page.
// - A start page without a scheme is a web address: "http://" goes in front of it (the Options tab
//   shows it beside the field), also when it ends in a port ("localhost:8080").
// - Only http and https addresses with a host and file addresses are opened. Any other scheme
//   ("javascript:", "data:", "mailto:" ...), a text that starts with "-" (it would reach the browser
//   as one of its options) and a text that makes no address are refused.
// The address is complete and encoded: printable ASCII without blanks, beginning with its scheme.
std::optional<QUrl> urlToOpen(const QString& startPage);

} // namespace StartPage
