#include "monitor/frmSound.h"

#include "core/Program.h"
#include "core/YesNo.h"
#include "monitor/SoundLists.h"
#include "monitor/SoundSearch.h"
#include "platform/desktop/Icons.h"

#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace {
// The search button's two captions: it starts a search, and once the list is full it resets it.
QString searchCaption() {
    return QCoreApplication::translate("frmSound", "&Search");
}
QString resetCaption() {
    return QCoreApplication::translate("frmSound", "&Reset");
}
const QString kNone = QStringLiteral("none");

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

QLabel* label(QWidget* parent, const QString& text) {
    return new QLabel(text, parent);
}
} // namespace

frmSound::frmSound(Program& program) : m_program(program), m_limit(SoundSearch::kDefaultLimit) {
    setObjectName(QStringLiteral("frmSound"));
    setWindowTitle(tr("Sound Control"));
    driveRootOf = [](const QString& path) {
        const QStorageInfo info(path);
        return info.isValid() ? info.rootPath() : QStringLiteral("/");
    };

    optionPlayDefaultSound = new QRadioButton(tr("Play ModemTally's default sound file"), this);
    optionPlayDefaultSound->setObjectName(QStringLiteral("optionPlayDefaultSound"));
    optionPlayCustomSound = new QRadioButton(tr("Play customised sound file from my computer"), this);
    optionPlayCustomSound->setObjectName(QStringLiteral("optionPlayCustomSound"));
    frameCustom = new QGroupBox(tr("Customised Sound"), this);
    frameCustom->setObjectName(QStringLiteral("frameCustom"));

    drvList = new DriveListBox(frameCustom);
    drvList->setObjectName(QStringLiteral("drvList"));
    drvList->setAccessibleName(tr("Play sound from drive"));
    dirList = new DirListBox(frameCustom);
    dirList->setObjectName(QStringLiteral("dirList"));
    dirList->setAccessibleName(tr("Folders"));
    filList = new FileListBox(frameCustom);
    filList->setObjectName(QStringLiteral("filList"));
    filList->setAccessibleName(tr("Files"));
    dirList->setMinimumHeight(150);
    filList->setMinimumHeight(150);
    lstFoundFiles = new QListWidget(frameCustom);
    lstFoundFiles->setObjectName(QStringLiteral("lstFoundFiles"));
    lstFoundFiles->setAccessibleName(tr("Wave files found"));
    lstFoundFiles->setUniformItemSizes(true); // keeps a list of many thousand paths quick
    lblCount = new QLabel(QStringLiteral("0"), frameCustom);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    textSelectedSound = new QLineEdit(frameCustom);
    textSelectedSound->setObjectName(QStringLiteral("textSelectedSound"));
    textSelectedSound->setReadOnly(true);
    textSelectedSound->setAccessibleName(tr("Selected sound file to be played"));

    cmdSearch = button(frameCustom, "cmdSearch", searchCaption(),
                       tr("Search for all *.wav files in your selected drive"));
    cmdExit = button(frameCustom, "cmdExit", tr("Cancel"), tr("Cancel Search"));
    cmdPlayThisSound =
        button(frameCustom, "cmdPlayThisSound", tr("S&elect"), tr("Select this sound to be played"));
    cmdSampleSound =
        button(frameCustom, "cmdSampleSound", {}, tr("Hear a sample sound of the selected file"));
    cmdSampleSound->setIcon(themedIcon(Picture::PlaySample));
    cmdSampleSound->setAccessibleName(cmdSampleSound->toolTip());
    cmdClearCustom = button(frameCustom, "cmdClearCustom", tr("&Clear"),
                            tr("Clear custom sound file. ModemTally would not play any sound"));
    cmdSoundOK = button(this, "cmdSoundOK", {}, {});
    cmdSoundOK->setIcon(themedIcon(Picture::SoundOk));
    cmdSoundOK->setAccessibleName(tr("OK"));
    cmdSoundOK->setDefault(true);

    auto* grid = new QGridLayout(frameCustom);
    QLabel* driveLabel = label(frameCustom, tr("Play sound from drive"));
    driveLabel->setBuddy(drvList); // screen readers on Linux name a combo box by its label
    grid->addWidget(driveLabel, 0, 0);
    grid->addWidget(drvList, 0, 1, 1, 3);
    grid->addWidget(dirList, 1, 0, 1, 2);
    grid->addWidget(filList, 1, 2, 1, 2);
    grid->addWidget(cmdSearch, 2, 0, 1, 2);
    grid->addWidget(cmdExit, 2, 2, 1, 2);
    grid->addWidget(lstFoundFiles, 3, 0, 1, 4);
    grid->addWidget(label(frameCustom, tr("Total *.wav files found :")), 4, 0, 1, 2);
    grid->addWidget(lblCount, 4, 2, 1, 2);
    grid->addWidget(label(frameCustom, tr("Selected sound file to be played :")), 5, 0, 1, 4);
    grid->addWidget(textSelectedSound, 6, 0, 1, 4);
    grid->addWidget(cmdPlayThisSound, 7, 0, 1, 2);
    grid->addWidget(cmdSampleSound, 7, 2);
    grid->addWidget(cmdClearCustom, 7, 3);

    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(cmdSoundOK);
    auto* top = new QVBoxLayout(this);
    top->addWidget(label(this, tr("Upon connection,")));
    top->addWidget(optionPlayDefaultSound);
    top->addWidget(optionPlayCustomSound);
    top->addWidget(frameCustom, 1);
    top->addLayout(okRow);
    resize(520, 640);

    // Option buttons react to being set from code as to a click: the start-up relies on it.
    connect(optionPlayDefaultSound, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optionPlayDefaultSound_Click();
    });
    connect(optionPlayCustomSound, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optionPlayCustomSound_Click();
    });
    connect(drvList, &QComboBox::activated, this, &frmSound::drvList_Change);
    connect(dirList, &DirListBox::pathChanged, this, &frmSound::dirList_Change);
    connect(cmdSearch, &QPushButton::clicked, this, &frmSound::cmdSearch_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmSound::cmdExit_Click);
    connect(cmdPlayThisSound, &QPushButton::clicked, this, &frmSound::cmdPlayThisSound_Click);
    connect(cmdSampleSound, &QPushButton::clicked, this, &frmSound::cmdSampleSound_Click);
    connect(cmdClearCustom, &QPushButton::clicked, this, &frmSound::cmdClearCustom_Click);
    connect(cmdSoundOK, &QPushButton::clicked, this, &frmSound::cmdSoundOK_Click);
    m_slice.setInterval(0);
    connect(&m_slice, &QTimer::timeout, this, [this] { searchSlice(); });

    Form_Load();
    // A chooser opened after the settings file was read starts from what was read.
    if (m_program.settingsFileRead)
        showSettings();
}

frmSound::~frmSound() = default;

void frmSound::Form_Load() {
    const QString here = QDir::currentPath();
    dirList->setPath(here);
    drvList->setDrive(driveRootOf(here));
    filList->setDirectory(dirList->path());
    cmdExit->setEnabled(false);
}

void frmSound::showSettings() {
    const Settings& st = m_program.settings;
    const QSignalBlocker blockDefault(optionPlayDefaultSound);
    const QSignalBlocker blockCustom(optionPlayCustomSound);
    if (isFalse(st.gUseDefaultSound)) {
        optionPlayCustomSound->setChecked(true);
        frameCustom->show();
        textSelectedSound->setText(st.gCustomSoundFile);
    } else if (isTrue(st.gUseDefaultSound)) {
        frameCustom->hide();
        textSelectedSound->setText(kNone);
        optionPlayDefaultSound->setChecked(true);
    }
}

void frmSound::optionPlayDefaultSound_Click() {
    m_program.settings.gUseDefaultSound = kTrue;
    frameCustom->hide();
}

void frmSound::optionPlayCustomSound_Click() {
    m_program.settings.gUseDefaultSound = kFalse;
    frameCustom->show();
}

void frmSound::drvList_Change() {
    // A drive that cannot be read: back to the drive of the current folder, without a message.
    if (!dirList->setPath(drvList->drive()))
        drvList->setDrive(driveRootOf(dirList->path()));
}

void frmSound::dirList_Change() {
    filList->setDirectory(dirList->path());
}

QString frmSound::highlightedFoundFile() const {
    const QListWidgetItem* item = lstFoundFiles->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void frmSound::cmdPlayThisSound_Click() {
    const QString file = highlightedFoundFile();
    if (file.isEmpty())
        return;
    textSelectedSound->setText(file);
    m_program.settings.gCustomSoundFile = file;
}

void frmSound::cmdSampleSound_Click() {
    const QString file = highlightedFoundFile();
    if (!file.isEmpty())
        m_program.sound().playFile(file);
}

void frmSound::cmdClearCustom_Click() {
    textSelectedSound->setText(kNone);
    m_program.settings.gCustomSoundFile = kNone;
}

void frmSound::cmdSoundOK_Click() {
    if (isTrue(m_program.settings.gUseDefaultSound)) {
        hide();
        return;
    }
    if (textSelectedSound->text() == kNone) {
        const BoxAnswer a = m_program.boxes().msgBox(
            tr("You have chosen custom sound but have not selected any sound file to be played. "
               "Do you wish to continue?"),
            BoxButtons::YesNo, BoxIcon::Information, tr("Custom Sound not Selected"));
        if (a != BoxAnswer::Yes)
            return;
        m_program.settings.gCustomSoundFile = kNone;
    }
    hide();
}

void frmSound::cmdExit_Click() {
    if (m_search)
        m_search->cancel();
}

void frmSound::ResetSearch() {
    lstFoundFiles->clear();
    lblCount->setText(QStringLiteral("0"));
    if (m_search) {
        m_slice.stop();
        m_search.reset();
    }
    cmdSearch->setText(searchCaption());
    cmdExit->setEnabled(true);
    const QString here = QDir::currentPath();
    dirList->setPath(here);
    drvList->setDrive(driveRootOf(here));
}

void frmSound::cmdSearch_Click() {
    if (cmdSearch->text() == resetCaption()) {
        ResetSearch();
        return;
    }
    if (m_search)
        return; // one search at a time
    // A folder highlighted but not opened: this click opens it, the next one searches.
    const QString highlighted = dirList->highlightedPath();
    if (highlighted != dirList->path()) {
        dirList->setPath(highlighted);
        return;
    }
    cmdExit->setText(tr("Cancel"));
    filList->setPattern(QStringLiteral("*.wav"));
    // The whole drive is searched, from the mount point that holds the current folder.
    const QString root = driveRootOf(dirList->path());
    dirList->setPath(root);
    cmdExit->setEnabled(true);
    m_search = std::make_unique<SoundSearch>(root, std::max<qsizetype>(0, m_limit - lstFoundFiles->count()));
    m_slice.start();
}

void frmSound::searchSlice(int maxDirectories, qint64 maxMilliseconds) {
    if (!m_search)
        return;
    const SoundSearch::Outcome outcome = m_search->step(maxDirectories, maxMilliseconds);
    const QStringList found = m_search->takeFound();
    if (!found.isEmpty()) {
        lstFoundFiles->addItems(found);
        const qsizetype n = lblCount->text().trimmed().toLongLong() + found.size();
        lblCount->setText(QLatin1Char(' ') + QString::number(n));
    }
    if (outcome == SoundSearch::Outcome::Running)
        return;
    m_slice.stop();
    if (outcome == SoundSearch::Outcome::ListFull)
        m_program.boxes().msgBox(tr("You've filled the list box. Abandoning search..."));
    endSearch();
}

void frmSound::endSearch() {
    m_search.reset();
    filList->setDirectory(dirList->path());
    cmdSearch->setText(resetCaption());
    cmdSearch->setFocus();
    cmdExit->setEnabled(false);
    emit searchEnded();
}

void frmSound::finishSearchNow() {
    while (m_search)
        searchSlice(INT_MAX, -1);
}

void frmSound::hideEvent(QHideEvent* event) {
    // Closing the window (OK, Escape, the title bar's close button) stops the search: nobody could see
    // or stop it any more. A hide the window system makes (minimising, another virtual desktop) is
    // spontaneous and lets it run on.
    if (!event->spontaneous())
        cmdExit_Click();
    QDialog::hideEvent(event);
}
