#include "monitor/frmAbout.h"

#include "core/Program.h"
#include "platform/desktop/Icons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmAbout"));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(themedIcon(Picture::Modem).pixmap(48, 48));
    picIcon->setAccessibleName(QStringLiteral("ModemTally"));
    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    lblTitle->setFont(big);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblReleaseDate = new QLabel(this);
    lblReleaseDate->setObjectName(QStringLiteral("lblReleaseDate"));
    cmdSysInfo = new QPushButton(tr("&System Info"), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblReleaseDate, 2, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cmdOK);
    row->addWidget(cmdSysInfo);
    grid->addLayout(row, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load() {
    const QString version = QStringLiteral(MT_VERSION);
    setWindowTitle(tr("About ") + MessageBoxes::programTitle());
    lblTitle->setText(QStringLiteral("ModemTally Deluxe ") + version);
    lblVersion->setText(tr("Version : ") + version);
    lblReleaseDate->setText(tr("Release Date : ") + QStringLiteral(MT_RELEASE_DATE));
}

void frmAbout::cmdOK_Click() {
    emit dismissed();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    if (!m_program.sysInfo().start())
        m_program.boxes().msgBox(tr("System Information Is Unavailable At This Time"));
}
