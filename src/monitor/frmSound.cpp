#include "monitor/frmSound.h"

#include "core/Program.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

frmSound::frmSound(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmSound"));
    setWindowTitle(QStringLiteral("Sound Control"));
    optionPlayDefaultSound = new QRadioButton(QStringLiteral("Play ModemTally's default sound file"), this);
    optionPlayDefaultSound->setObjectName(QStringLiteral("optionPlayDefaultSound"));
    optionPlayCustomSound =
        new QRadioButton(QStringLiteral("Play customised sound file from my computer"), this);
    optionPlayCustomSound->setObjectName(QStringLiteral("optionPlayCustomSound"));
    frameCustom = new QGroupBox(QStringLiteral("Customised Sound"), this);
    frameCustom->setObjectName(QStringLiteral("frameCustom"));
    textSelectedSound = new QLineEdit(frameCustom);
    textSelectedSound->setObjectName(QStringLiteral("textSelectedSound"));
}

frmSound::~frmSound() = default;
