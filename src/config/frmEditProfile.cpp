#include "config/frmEditProfile.h"

#include "config/frmConfig.h"

#include "core/Program.h"
#include "platform/desktop/Icons.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* pictureButton(QWidget* parent, const char* name, const QString& tip, const QIcon& icon) {
    return ::pictureButton(parent, name, tip, icon, QSize(24, 24), QSize(40, 36));
}
QLineEdit* field(QWidget* parent, const char* name, const QString& tip) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setToolTip(tip);
    return e;
}
QLabel* label(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}
} // namespace

frmEditProfile::frmEditProfile(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmEditProfile"));
    setWindowTitle(tr("Edit Connection Profile"));
    setModal(true);

    Frame1 = new QGroupBox(tr("Connection Profile for "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    textEditProfileName = field(Frame1, "textEditProfileName", tr("Dialup Networking Profile"));
    textEditProfileName->setReadOnly(true);
    textEditUsername = field(Frame1, "textEditUsername",
                             tr("The username required by the remote dialup server to identify you"));
    textEditPassword = field(Frame1, "textEditPassword",
                             tr("The password required for authentication during connection establishment"));
    textEditPassword->setEchoMode(QLineEdit::Password);
    textEditPassword->setStyleSheet(frmConfig::passwordMaskStyle());
    textEditDomain = field(Frame1, "textEditDomain",
                           tr("The domain of your dialup server. If not applicable, just leave it blank"));
    Label1 = label(Frame1, "Label1", tr("Profile Name :"), textEditProfileName);
    Label2 = label(Frame1, "Label2", tr("Username : "), textEditUsername);
    Label3 = label(Frame1, "Label3", tr("Password :"), textEditPassword);
    Label4 = label(Frame1, "Label4", tr("Domain :"), textEditDomain);
    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(textEditProfileName, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(textEditUsername, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(textEditPassword, 2, 1);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(textEditDomain, 3, 1);
    grid->setColumnMinimumWidth(1, 220);

    cmdModifyProfile =
        pictureButton(this, "cmdModifyProfile", tr("Modify"), themedIcon(Picture::SaveProfile));
    cmdCancelModify =
        pictureButton(this, "cmdCancelModify", tr("Cancel"), themedIcon(Picture::CancelProfile));
    cmdModifyHelp = pictureButton(this, "cmdModifyHelp", tr("Help"), themedIcon(Picture::Help));
    cmdModifyProfile->setDefault(true);
    cmdCancelModify->setAutoDefault(false);
    cmdModifyHelp->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdModifyProfile);
    buttons->addWidget(cmdCancelModify);
    buttons->addWidget(cmdModifyHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(cmdModifyProfile, &QPushButton::clicked, this, &frmEditProfile::cmdModifyProfile_Click);
    connect(cmdCancelModify, &QPushButton::clicked, this, &frmEditProfile::cmdCancelModify_Click);
    connect(cmdModifyHelp, &QPushButton::clicked, this, &frmEditProfile::cmdModifyHelp_Click);
}

frmEditProfile::~frmEditProfile() = default;

int frmEditProfile::open(const QString& profile) {
    const ProfileStore& profiles = m_program.settings.gProfiles;
    textEditProfileName->setText(profile);
    textEditUsername->setText(profiles.userName(profile));
    textEditPassword->setText(profiles.password(profile));
    textEditDomain->setText(profiles.domain(profile));
    textEditUsername->setFocus();
    return exec();
}

void frmEditProfile::cmdModifyProfile_Click() {
    // The profile's four items are removed and added again at the end, in their fixed order.
    m_program.settings.gProfiles.replaceProfile(textEditProfileName->text(), textEditUsername->text(),
                                                textEditPassword->text(), textEditDomain->text());
    accept();
}

void frmEditProfile::cmdCancelModify_Click() {
    reject();
}

void frmEditProfile::cmdModifyHelp_Click() {
    emit helpRequested();
}
