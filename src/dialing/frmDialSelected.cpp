#include "dialing/frmDialSelected.h"

#include "core/Program.h"

#include <QLineEdit>

frmDialSelected::frmDialSelected(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmDialSelected"));
    setWindowTitle(QStringLiteral("Dialing to..."));
    textDialProfilename = new QLineEdit(this);
    textDialProfilename->setObjectName(QStringLiteral("textDialProfilename"));
    textDialUsername = new QLineEdit(this);
    textDialUsername->setObjectName(QStringLiteral("textDialUsername"));
    textDialPassword = new QLineEdit(this);
    textDialPassword->setObjectName(QStringLiteral("textDialPassword"));
    textDialDomain = new QLineEdit(this);
    textDialDomain->setObjectName(QStringLiteral("textDialDomain"));
}

frmDialSelected::~frmDialSelected() = default;
