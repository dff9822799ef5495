#include "console/frmDeleteProfile.h"

#include "core/Program.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmDeleteProfile::frmDeleteProfile(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmDeleteProfile"));
    setWindowTitle(tr("Updating Connection Profiles"));
    setModal(true);

    Label1 = new QLabel(tr("Select the connection profile to be deleted by ticking in the checkbox "
                           "and pressing \"Delete\""),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    listUpdateProfiles = new QListWidget(this);
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
