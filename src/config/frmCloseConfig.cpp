#include "config/frmCloseConfig.h"

#include "config/frmConfig.h"
#include "console/Icons.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "platform/WholeFile.h"

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
    setWindowTitle(QStringLiteral("Closing Configuration Console"));

    Label1 = new QLabel(
        QStringLiteral("All configurations set would not be saved after the last saved operation. If you do "
                       "wish to save all the changes made, click on the \"Save Configuration\" button in the "
                       "ModemTally Configuration Console. Do you wish to continue?"),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    checkRemoveCloseReminder = new QCheckBox(QStringLiteral("Remove this reminder"), this);
    checkRemoveCloseReminder->setObjectName(QStringLiteral("checkRemoveCloseReminder"));
    checkRemoveCloseReminder->setToolTip(
        QStringLiteral("Check this box if you do not want future reminders"));
    cmdYesClose = pictureButton(
        this, "cmdYesClose", QStringLiteral("Yes. No changes would be saved"),
        themedIcon(QStringLiteral("dialog-ok"), QStringLiteral("\u2713"), QColor(0x2e, 0x8b, 0x57)));
    cmdNoClose = pictureButton(
        this, "cmdNoClose", QStringLiteral("No. Go back to the configuration window"),
        themedIcon(QStringLiteral("go-previous"), QStringLiteral("\u21A9"), QColor(0xb2, 0x22, 0x22)));
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
    if (checkRemoveCloseReminder->isChecked()) {
        const QString path = m_program.dataPath(QStringLiteral("cc1.txt"));
        const QString reason = writeWholeFile(path, QByteArrayLiteral("##REMOVE REMINDER##\r\n"));
        if (!reason.isEmpty())
            m_program.boxes().msgBox(
                QStringLiteral("The reminder could not be switched off: \"%1\" could not "
                               "be written (%2). You will be asked again next time.")
                    .arg(path, reason),
                BoxButtons::Ok, BoxIcon::Exclamation);
    }
    hide();
    m_program.frmConfig().hide();
    m_program.frmStart().show();
}

void frmCloseConfig::cmdNoClose_Click() {
    hide();
}
