// The journal's module: the factory Qt's plugin loader finds in it.
#include "history/JournalStore.h"
#include "history/sql/SqlJournal.h"

#include <QObject>

class JournalPlugin : public QObject, public JournalStoreFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID JournalStoreFactory_iid)
    Q_INTERFACES(JournalStoreFactory)
public:
    std::unique_ptr<JournalStore> createJournalStore(const QString& path) override {
        return std::make_unique<SqlJournal>(path);
    }
};

#include "JournalPlugin.moc"
