#include "monitor/frmCreateShortcut.h"

#include "core/Program.h"
#include "monitor/DesktopShortcut.h"
#include "platform/desktop/Icons.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmCreateShortcut::frmCreateShortcut(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmCreateShortcut"));
    setWindowTitle(tr("Creating Shortcut for ModemTally"));

    Label1 = new QLabel(tr("ModemTally would create a shortcut to be placed on your Windows Desktop. "
                           "This shortcut would assist you in making a quick launching of the "
                           "ModemTally program. It is highly recommended to create a shortcut."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label2 = new QLabel(tr("Enter the name of the shortcut  :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtShortcutName = new QLineEdit(QStringLiteral("ModemTally"), this);
    txtShortcutName->setObjectName(QStringLiteral("txtShortcutName"));
    txtShortcutName->setToolTip(tr("This name would appear as the name of the shortcut on your desktop"));
    Label2->setBuddy(txtShortcutName);
    cmdCreateShortcut = new QPushButton(this);
    cmdCreateShortcut->setObjectName(QStringLiteral("cmdCreateShortcut"));
    cmdCreateShortcut->setToolTip(tr("Create shortcut to ModemTally now!"));
    cmdCreateShortcut->setAccessibleName(cmdCreateShortcut->toolTip());
    cmdCreateShortcut->setIcon(themedIcon(Picture::CreateShortcut));
    cmdCreateShortcut->setIconSize(QSize(32, 32));
    cmdCreateShortcut->setDefault(true);
    cmdCreateCancel = new QPushButton(this);
    cmdCreateCancel->setObjectName(QStringLiteral("cmdCreateCancel"));
    cmdCreateCancel->setToolTip(tr("Cancel"));
    cmdCreateCancel->setAccessibleName(cmdCreateCancel->toolTip());
    cmdCreateCancel->setIcon(themedIcon(Picture::CancelShortcut));
    cmdCreateCancel->setIconSize(QSize(32, 32));
    txtShortcutDir = new QLineEdit(this);
    txtShortcutDir->setObjectName(QStringLiteral("txtShortcutDir"));
    txtShortcutDir->hide();
    txtExename = new QLineEdit(this);
    txtExename->setObjectName(QStringLiteral("txtExename"));
    txtExename->hide();

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtShortcutName, 1, 1, 1, 2);
    grid->addWidget(cmdCreateShortcut, 2, 1, Qt::AlignRight);
    grid->addWidget(cmdCreateCancel, 2, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    // Room left over when the window is taller than its contents goes below the buttons, not
    // between the explanation and the name.
    grid->setRowStretch(3, 1);
    resize(460, 180);

    txtShortcutName->installEventFilter(this);
    connect(cmdCreateShortcut, &QPushButton::clicked, this, &frmCreateShortcut::cmdCreateShortcut_Click);
    connect(cmdCreateCancel, &QPushButton::clicked, this, &frmCreateShortcut::cmdCreateCancel_Click);

    Form_Load();
}

frmCreateShortcut::~frmCreateShortcut() = default;

void frmCreateShortcut::Form_Load() {
    txtShortcutDir->setText(m_program.shortcuts().desktopDirectory());
}

void frmCreateShortcut::showForbiddenCharacters() {
    m_program.boxes().msgBox(tr("A filename cannot contain any of the following characters:\r\n"
                                "               / \\ : * ? \" < > |"),
                             BoxButtons::Ok, BoxIcon::Critical);
}

bool frmCreateShortcut::txtShortcutName_KeyPress(QChar typed) {
    if (!DesktopShortcut::isForbidden(typed))
        return true;
    showForbiddenCharacters();
    return false;
}

bool frmCreateShortcut::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtShortcutName && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        for (const QChar c : text) {
            if (!txtShortcutName_KeyPress(c))
                return true; // the character is discarded
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmCreateShortcut::cmdCreateShortcut_Click() {
    // The launcher starts the program on this data folder (its absolute path), wherever it was
    // chosen: a start from the desktop finds the settings and month files this run uses.
    CreateDesktopShortcut(txtShortcutDir->text(), txtShortcutName->text(),
                          QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--data-dir"), m_program.dataDir()});
}

void frmCreateShortcut::cmdCreateCancel_Click() {
    emit dismissed();
}

void frmCreateShortcut::CreateDesktopShortcut(const QString& folder, const QString& linkName,
                                              const QString& target, const QStringList& arguments) {
    // The whole name is checked here too: a pasted name never went through the typing filter.
    const DesktopShortcut::Result r = DesktopShortcut::create(folder, linkName, target, arguments);
    if (r.outcome == DesktopShortcut::Outcome::BadName)
        showForbiddenCharacters();
    else if (r.outcome == DesktopShortcut::Outcome::Failed)
        m_program.boxes().msgBox(tr("Unable to create shortcut for ModemTally."), BoxButtons::Ok,
                                 BoxIcon::Information);
}
