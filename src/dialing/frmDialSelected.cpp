#include "dialing/frmDialSelected.h"

#include "core/DialFlows.h"
#include "core/Program.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmDialSelected::frmDialSelected(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmDialSelected"));
    setWindowTitle(tr("Dialing to..."));

    Frame1 = new QGroupBox(tr("Dial to "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto field = [this](const char* name) {
        auto* e = new QLineEdit(Frame1);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    auto label = [this](const char* name, const QString& text, QLineEdit* buddy) {
        auto* l = new QLabel(text, Frame1);
        l->setObjectName(QLatin1String(name));
        l->setBuddy(buddy);
        return l;
    };
    textDialProfilename = field("textDialProfilename");
    textDialUsername = field("textDialUsername");
    textDialPassword = field("textDialPassword");
    textDialPassword->setEchoMode(QLineEdit::Password);
    textDialDomain = field("textDialDomain");
    Label1 = label("Label1", tr("Profile Name :"), textDialProfilename);
    Label2 = label("Label2", tr("Username :"), textDialUsername);
    Label3 = label("Label3", tr("Password :"), textDialPassword);
    Label4 = label("Label4", tr("Domain :"), textDialDomain);
    auto* form = new QFormLayout(Frame1);
    form->addRow(Label1, textDialProfilename);
    form->addRow(Label2, textDialUsername);
    form->addRow(Label3, textDialPassword);
    form->addRow(Label4, textDialDomain);

    cmdDialDial = new QPushButton(tr("Dial"), this);
    cmdDialDial->setObjectName(QStringLiteral("cmdDialDial"));
    cmdDialDial->setToolTip(tr("Dial"));
    cmdDialDial->setDefault(true);
    cmdDialCancel = new QPushButton(tr("Cancel"), this);
    cmdDialCancel->setObjectName(QStringLiteral("cmdDialCancel"));
    cmdDialCancel->setToolTip(tr("Cancel"));
    cmdDialCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDialDial);
    buttons->addWidget(cmdDialCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(cmdDialDial, &QPushButton::clicked, this, &frmDialSelected::cmdDialDial_Click);
    connect(cmdDialCancel, &QPushButton::clicked, this, &frmDialSelected::cmdDialCancel_Click);
}

frmDialSelected::~frmDialSelected() = default;

void frmDialSelected::open(const QString& profile) {
    const ProfileStore& profiles = m_program.settings.gProfiles;
    textDialProfilename->setText(profile);
    textDialUsername->setText(profiles.userName(profile));
    textDialPassword->setText(profiles.password(profile));
    textDialDomain->setText(profiles.domain(profile));
    show();
    raise();
}

void frmDialSelected::cmdDialDial_Click() {
    if (!DialFlows::dialSelected(m_program, textDialProfilename->text(), textDialUsername->text(),
                                 textDialPassword->text(), textDialDomain->text()))
        return;
    hide();
    emit dialStarted();
}

void frmDialSelected::cmdDialCancel_Click() {
    // Closing discards the fields: the next use starts from a fresh dialog.
    emit dismissed();
}

void frmDialSelected::reject() {
    cmdDialCancel_Click();
}
