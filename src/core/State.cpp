#include "core/State.h"

void DialState::reset() {
    gDialedProfile.clear();
    gDialing = false;
    gConnected = false;
    gUserHangup = false;
    gAdoptedConnection = false;
    setControls(true, false, false, true);
    announce();
}

void DialState::backToIdle() {
    setControls(true, std::nullopt, std::nullopt, true);
    gDialedProfile.clear();
    gConnected = false;
    gDialing = false;
    gAdoptedConnection = false;
    announce();
}

void DialState::setControls(std::optional<bool> connect, std::optional<bool> hangUp,
                            std::optional<bool> trayHangUp, std::optional<bool> dialSelected) {
    Controls c = m_controls;
    c.connect = connect.value_or(c.connect);
    c.hangUp = hangUp.value_or(c.hangUp);
    c.trayHangUp = trayHangUp.value_or(c.trayHangUp);
    c.dialSelected = dialSelected.value_or(c.dialSelected);
    if (c == m_controls)
        return;
    m_controls = c;
    emit controlsChanged(m_controls);
}

void DialState::announce() {
    if (gDialedProfile != m_announcedProfile) {
        m_announcedProfile = gDialedProfile;
        emit profileChanged(gDialedProfile);
    }
    if (phase() != m_announcedPhase) {
        m_announcedPhase = phase();
        emit phaseChanged(m_announcedPhase);
    }
}

QString SessionState::elapsedText() const {
    return QStringLiteral("%1 : %2 : %3").arg(gElapsedHours).arg(gElapsedMinutes).arg(gElapsedSeconds);
}

void SessionState::reset() {
    gElapsedHours = gElapsedMinutes = gElapsedSeconds = 0;
    gSessionStart = QDateTime();
    gSessionEnd = QDateTime();
    gSessionSeconds = 0;
    gMonthDurations = MonthFile::Record();
    gMonthSecondsBefore = 0;
    gBytesReceived = gBytesSent = gBytesPerSecond = 0;
    gWarnedTimePC = gWarnedTimePM = gWarnedCostPC = gWarnedCostPM = gWarnedFreeTime = false;
}

void StatusList::add(const QString& line) {
    const int row = int(m_lines.size());
    beginInsertRows(QModelIndex(), row, row);
    m_lines.append(line);
    endInsertRows();
    emit lineAdded(line);
}

void StatusList::clear() {
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

int StatusList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant StatusList::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_lines.at(index.row());
}
