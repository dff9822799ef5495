#include "console/frmDeleteProfile.h"

#include "core/Program.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace {

// The profile checklist: a list widget whose items a screen reader ticks and unticks. Qt's own
// accessible items of a list answer the Toggle action by selecting the row, so the list gets the
// interfaces below instead; mouse and keyboard see the plain list widget.
class CheckList : public QListWidget {
public:
    explicit CheckList(QWidget* parent) : QListWidget(parent) {
        // A tick or untick is announced as the item's checked state changing.
        connect(model(), &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                    if (!QAccessible::isActive() || (!roles.isEmpty() && !roles.contains(Qt::CheckStateRole)))
                        return;
                    for (int row = first.row(); row <= last.row(); ++row) {
                        QAccessible::State changed;
                        changed.checked = true;
                        QAccessibleStateChangeEvent event(this, changed);
                        event.setChild(row);
                        QAccessible::updateAccessibility(&event);
                    }
                });
    }
};

// One item of the checklist: a list item that can be checked. Toggle ticks or unticks it, as a
// click on its box or the space bar does; SetFocus makes it the current item.
class CheckItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CheckItemAccessible(CheckList* list, const QModelIndex& index) : m_list(list), m_index(index) {}

    bool isValid() const override { return m_list && m_index.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* list = parent();
        return list ? list->window() : nullptr;
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return m_list ? QAccessible::queryAccessibleInterface(m_list.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return m_index.data(Qt::DisplayRole).toString();
        if (t == QAccessible::Description)
            return m_index.data(Qt::ToolTipRole).toString();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = m_list->visualRect(m_index);
        return QRect(m_list->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State st;
        if (!isValid()) {
            st.invalid = true;
            return st;
        }
        const Qt::ItemFlags flags = m_index.flags();
        st.focusable = true;
        st.focused = m_list->hasFocus() && m_list->currentIndex() == m_index;
        st.selectable = flags.testFlag(Qt::ItemIsSelectable);
        st.selected = m_list->selectionModel()->isSelected(m_index);
        st.disabled = !flags.testFlag(Qt::ItemIsEnabled) || !m_list->isEnabled();
        st.checkable = flags.testFlag(Qt::ItemIsUserCheckable);
        st.checked = m_index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        if (!m_list->viewport()->rect().intersects(m_list->visualRect(m_index))) {
            st.invisible = true;
            st.offscreen = true;
        }
        return st;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        if (!isValid())
            return {};
        QStringList names;
        if (m_index.flags().testFlag(Qt::ItemIsUserCheckable))
            names << toggleAction();
        names << setFocusAction();
        return names;
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        return action == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }
    void doAction(const QString& action) override {
        if (!isValid() || !m_list->isEnabled() || !m_index.flags().testFlag(Qt::ItemIsEnabled))
            return;
        QListWidgetItem* item = m_list->item(m_index.row());
        if (action == toggleAction() && (item->flags() & Qt::ItemIsUserCheckable)) {
            // Through the item, as a click on its box goes: the dialog hears of it by itemChanged.
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        } else if (action == setFocusAction()) {
            m_list->setFocus(Qt::OtherFocusReason);
            m_list->setCurrentItem(item);
        }
    }

private:
    QPointer<CheckList> m_list;
    QPersistentModelIndex m_index;
};

// The checklist itself: a list whose children are its items, made when first asked for and kept
// (registered with Qt's accessibility cache, so each item keeps its identity for a screen reader)
// until the row goes or the list goes.
class CheckListAccessible : public QAccessibleWidget {
public:
    explicit CheckListAccessible(CheckList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~CheckListAccessible() override {
        for (const Cell& c : m_cells)
            QAccessible::deleteAccessibleInterface(c.id);
    }

    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override {
        CheckList* l = list();
        if (index < 0 || index >= l->count())
            return nullptr;
        const QModelIndex wanted = l->model()->index(index, 0);
        for (auto it = m_cells.begin(); it != m_cells.end();) {
            if (!it->index.isValid()) { // its row was removed
                QAccessible::deleteAccessibleInterface(it->id);
                it = m_cells.erase(it);
            } else if (it->index == wanted) {
                return QAccessible::accessibleInterface(it->id);
            } else {
                ++it;
            }
        }
        auto* cell = new CheckItemAccessible(l, wanted);
        m_cells.push_back({QPersistentModelIndex(wanted), QAccessible::registerAccessibleInterface(cell)});
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const Cell& c : m_cells) {
            if (QAccessible::accessibleInterface(c.id) == child)
                return c.index.isValid() ? c.index.row() : -1;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        CheckList* l = list();
        const QModelIndex at = l->indexAt(l->viewport()->mapFromGlobal(QPoint(x, y)));
        return at.isValid() ? child(at.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        CheckList* l = list();
        return l->hasFocus() && l->currentRow() >= 0 ? child(l->currentRow()) : nullptr;
    }

private:
    struct Cell {
        QPersistentModelIndex index;
        QAccessible::Id id;
    };
    CheckList* list() const { return static_cast<CheckList*>(widget()); }

    mutable std::vector<Cell> m_cells;
};

QAccessibleInterface* checkListFactory(const QString&, QObject* object) {
    if (auto* list = dynamic_cast<CheckList*>(object))
        return new CheckListAccessible(list);
    return nullptr;
}

} // namespace

frmDeleteProfile::frmDeleteProfile(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmDeleteProfile"));
    setWindowTitle(tr("Updating Connection Profiles"));
    setModal(true);

    Label1 = new QLabel(tr("Select the connection profile to be deleted by ticking in the checkbox "
                           "and pressing \"Delete\""),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    static const bool accessibleItems = (QAccessible::installFactory(checkListFactory), true);
    Q_UNUSED(accessibleItems)
    listUpdateProfiles = new CheckList(this);
    listUpdateProfiles->setObjectName(QStringLiteral("listUpdateProfiles"));
    listUpdateProfiles->setAccessibleName(tr("Connection profiles"));
    cmdDeleteProfile = new QPushButton(tr("Delete"), this);
    cmdDeleteProfile->setObjectName(QStringLiteral("cmdDeleteProfile"));
    cmdDeleteProfile->setToolTip(tr("Delete the checked connection profiles"));
    cmdUpdateHelp = new QPushButton(tr("Help"), this);
    cmdUpdateHelp->setObjectName(QStringLiteral("cmdUpdateHelp"));
    cmdUpdateCancel = new QPushButton(tr("Ignore"), this);
    cmdUpdateCancel->setObjectName(QStringLiteral("cmdUpdateCancel"));
    cmdUpdateCancel->setToolTip(tr("Ignore the changes. Not Recommended!"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdDeleteProfile);
    buttons->addWidget(cmdUpdateHelp);
    buttons->addStretch();
    buttons->addWidget(cmdUpdateCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(listUpdateProfiles, 1);
    layout->addLayout(buttons);
    resize(420, 320);

    // Whoever fills the list, every item gets its check box.
    connect(listUpdateProfiles->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { makeCheckable(first, last); });
    connect(listUpdateProfiles, &QListWidget::itemChanged, this,
            &frmDeleteProfile::listUpdateProfiles_ItemCheck);
    connect(cmdDeleteProfile, &QPushButton::clicked, this, &frmDeleteProfile::cmdDeleteProfile_Click);
    connect(cmdUpdateHelp, &QPushButton::clicked, this, &frmDeleteProfile::cmdUpdateHelp_Click);
    connect(cmdUpdateCancel, &QPushButton::clicked, this, &frmDeleteProfile::cmdUpdateCancel_Click);

    // The profiles read from the settings file.
    listUpdateProfiles->addItems(program.fileProfiles);
}

frmDeleteProfile::~frmDeleteProfile() = default;

void frmDeleteProfile::makeCheckable(int first, int last) {
    for (int row = first; row <= last; ++row) {
        QListWidgetItem* item = listUpdateProfiles->item(row);
        if (!item || ((item->flags() & Qt::ItemIsUserCheckable) && item->data(Qt::CheckStateRole).isValid()))
            continue;
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

QStringList frmDeleteProfile::checkedNames() const {
    QStringList names;
    for (const ProfileStore::Item& i : checkedprofile.items())
        names << i.value;
    return names;
}

void frmDeleteProfile::listUpdateProfiles_ItemCheck(QListWidgetItem* item) {
    // The item whose box changed, whichever item has the focus.
    const QString name = item->text();
    if (item->checkState() == Qt::Checked)
        checkedprofile.add(name, name); // a second tick of the same name changes nothing
    else
        checkedprofile.remove(name); // only if it is there
}

void frmDeleteProfile::cmdDeleteProfile_Click() {
    // A copy: the keyed list stays as it is (it is not cleared after a deletion).
    m_program.deleteProfiles(checkedNames());
    hide();
    emit profilesDeleted();
}

void frmDeleteProfile::cmdUpdateHelp_Click() {
    emit helpRequested();
}

void frmDeleteProfile::cmdUpdateCancel_Click() {
    // Nothing is deleted; the dialog just closes and start-up goes on.
    reject();
}
