#include "historyui/HistoryWindowLoader.h"

#include "history/HistorySource.h"
#include "historyui/HistoryWindowFactory.h"

#include "platform/ModuleLoader.h"

#include <QCoreApplication>
#include <QWidget>

namespace HistoryWindowLoader {

namespace {
const QString kModule = QStringLiteral("modemtally-history.so");
}

QWidget* create(std::unique_ptr<HistorySource> source, QString* error) {
    QString reasons, file;
    QObject* root = ModuleLoader::instance(kModule, &reasons, &file);
    if (!root) {
        if (error)
            *error = reasons.isEmpty()
                         ? QCoreApplication::translate(
                               "HistoryWindowLoader",
                               "the History window's module %1 is not installed (looked in %2)")
                               .arg(kModule, ModuleLoader::candidates(kModule).join(QStringLiteral(", ")))
                         : reasons;
        return nullptr;
    }
    auto* factory = qobject_cast<HistoryWindowFactory*>(root);
    if (!factory) {
        if (error)
            *error =
                QCoreApplication::translate("HistoryWindowLoader", "%1 is not the History window's module")
                    .arg(file);
        return nullptr;
    }
    return factory->createHistoryWindow(std::move(source));
}

} // namespace HistoryWindowLoader
