#pragma once

#include <QObject>
#include <QTimer>

class Program;
class RasControl;

// The hidden form that carries the remote-access control RAS and the redial timer, and handles the
// control's three events.
class formRAS : public QObject {
    Q_OBJECT
public:
    explicit formRAS(Program& program);
    ~formRAS() override;

    RasControl& RAS;
    QTimer timerredial;
    qint16 redial = 0;
    qint16 redialTicks = 0;

private:
    Program& m_program;
};
