#include "console/frmDeleteProfile.h"

#include "core/Program.h"

#include <QListWidget>

frmDeleteProfile::frmDeleteProfile(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmDeleteProfile"));
    setWindowTitle(QStringLiteral("Updating Connection Profiles"));
    listUpdateProfiles = new QListWidget(this);
    listUpdateProfiles->setObjectName(QStringLiteral("listUpdateProfiles"));
}

frmDeleteProfile::~frmDeleteProfile() = default;
