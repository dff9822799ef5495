#pragma once

#include "service/ScriptingService.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class Program;
class Windows;

// One instance per user and data folder, on the session bus (see BusNames for the name).
//
// A start first looks for the instance of its data folder (handOver): when one runs, it hands that
// one its command line, which brings its windows to the front, and exits. Otherwise the program is
// made, and claim() exports the scripting interface and takes the name; a start that loses the name
// to one made in the meantime hands over as well. Without a session bus the program runs alone,
// without the guard and the interface, and says so on standard error.
class Instance : public QObject {
    Q_OBJECT
public:
    // Before anything else is made: an exit status when an instance of `dataFolder` already runs
    // (0: it took the command line; 1: it did not answer), nothing when this start is to go on.
    static std::optional<int> handOver(const QString& dataFolder, const QStringList& arguments);

    Instance(Program& program, Windows& windows, const QString& dataFolder);
    ~Instance() override;

    // Exports the interface and takes the bus name. An exit status when another instance took the
    // name first (and has been handed the command line); nothing when this one goes on.
    std::optional<int> claim(const QStringList& arguments);
    // The windows' start-up is over: calls are carried out from now on.
    void startedUp();
    // The main console, or the configuration console while the first configuration is unsaved,
    // shown and brought to the front.
    void bringToFront();

    ScriptingService& service() { return m_service; }
    bool owned() const { return !m_name.isEmpty(); }

private:
    Program& m_program;
    Windows& m_windows;
    QString m_dataFolder;
    ScriptingService m_service;
    QString m_name; // the bus name while this instance holds it
};
