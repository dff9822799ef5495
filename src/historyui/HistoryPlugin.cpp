// The History window's module: the factory Qt's plugin loader finds in it.
#include "history/HistorySource.h"
#include "historyui/HistoryWindowFactory.h"
#include "historyui/frmHistory.h"

#include <QObject>

class HistoryPlugin : public QObject, public HistoryWindowFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HistoryWindowFactory_iid)
    Q_INTERFACES(HistoryWindowFactory)
public:
    QWidget* createHistoryWindow(std::unique_ptr<HistorySource> source) override {
        return new frmHistory(std::move(source));
    }
};

#include "HistoryPlugin.moc"
