#pragma once

#include "platform/Browser.h"
#include "platform/IcmpEcho.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"
#include "platform/Seams.h"
#include "platform/Shortcuts.h"
#include "platform/Sound.h"
#include "platform/SysInfo.h"
#include "platform/Tray.h"

#include <QDir>

// Quiet stand-ins for seams a caller did not provide: they do nothing and report nothing.
// Answers every box without showing it: Ok, or the cautious answer to a question (No, or Cancel
// where there is one). The text goes to the log so that nothing is lost silently.
class NullMessageBoxes final : public MessageBoxes {
protected:
    BoxAnswer ask(const Box& box) override;
};

class NullRasControl final : public RasControl {
public:
    void EnumEntries() override {}
    void EnumConnections() override { emit EnumConnection(QString()); }
    void EditEntry(const QString&) override {}
    bool IsConnected() override { return false; }
    void CreateEntry() override {}
    void HangUp(const QString&) override {}
    void Dial() override {}
};

class NullTray final : public Tray {
public:
    bool isAvailable() const override { return false; }
    void send(Message, const QString&) override {}
    void setMenu(QMenu*) override {}
};

class NullSound final : public Sound {
public:
    void playStandard() override {}
    void playFile(const QString&) override {}
};

class NullBrowser final : public Browser {
public:
    QString findProgramFor(const QString&) override { return {}; }
    bool startProgram(const QString&, const QUrl&) override { return false; }
};

class NullIcmpEcho final : public IcmpEcho {
public:
    void startBurst(const QString&) override { emit burstFinished(0); }
    bool isRunning() const override { return false; }
};

class NullSysInfo final : public SysInfo {
public:
    bool start() override { return false; }
};

class NullShortcuts final : public Shortcuts {
public:
    QString desktopDirectory() const override { return QDir::homePath() + QStringLiteral("/Desktop"); }
};

class NullNotifier final : public Notifier {
public:
    void notify(const QString&, const QString&) override {}
};

// Gives every empty seam its stand-in (and the system clock).
void fillMissingSeams(Seams& seams);
