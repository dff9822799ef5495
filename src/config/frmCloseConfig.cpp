#include "config/frmCloseConfig.h"

#include "core/Program.h"
#include "platform/desktop/Icons.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* pictureButton(QWidget* parent, const char* name, const QString& tip, const QIcon& icon) {
    return ::pictureButton(parent, name, tip, icon, QSize(24, 24), QSize(48, 36));
}

} // namespace

frmCloseConfig::frmCloseConfig(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmCloseConfig"));
    setWindowTitle(tr("Closing Configuration Console"));

    Label1 =
        new QLabel(tr("All configurations set would not be saved after the last saved operation. If you do "
                      "wish to save all the changes made, click on the \"Save Configuration\" button in the "
                      "ModemTally Configuration Console. Do you wish to continue?"),
                   this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    checkRemoveCloseReminder = new QCheckBox(tr("Remove this reminder"), this);
    checkRemoveCloseReminder->setObjectName(QStringLiteral("checkRemoveCloseReminder"));
    checkRemoveCloseReminder->setToolTip(tr("Check this box if you do not want future reminders"));
    cmdYesClose = pictureButton(this, "cmdYesClose", tr("Yes. No changes would be saved"),
                                themedIcon(Picture::CloseWithoutSaving));
    cmdNoClose = pictureButton(this, "cmdNoClose", tr("No. Go back to the configuration window"),
                               themedIcon(Picture::BackToConfiguration));
    cmdNoClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkRemoveCloseReminder);
    buttons->addStretch(1);
    buttons->addWidget(cmdYesClose);
    buttons->addWidget(cmdNoClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(cmdYesClose, &QPushButton::clicked, this, &frmCloseConfig::cmdYesClose_Click);
    connect(cmdNoClose, &QPushButton::clicked, this, &frmCloseConfig::cmdNoClose_Click);
}

frmCloseConfig::~frmCloseConfig() = default;

void frmCloseConfig::cmdYesClose_Click() {
    if (checkRemoveCloseReminder->isChecked())
        m_program.removeCloseReminder();
    hide();
    emit closeConfirmed();
}

void frmCloseConfig::cmdNoClose_Click() {
    hide();
}
