#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The program's command line, read before any application object exists: --help, --version and a
// wrong option answer on the terminal without a display, so they work over ssh and in scripts.
struct CommandLine {
    enum class Outcome {
        Run,        // start the program with the options below
        Exit,       // print `output` (help, version) or `error` and exit with `exitCode`
        AfterQtApp, // options that only the application object knows (-platform, -style...): read
                    // the line again from QCoreApplication::arguments() once it exists
    };
    Outcome outcome = Outcome::Run;
    int exitCode = 0;
    QString output; // for standard output
    QString error;  // for standard error

    QString backend = QStringLiteral("auto"); // auto, sim or nm, lower case
    QString dataDir;                          // empty: the user's data folder
    QString phonebook;
    QString simOutside;
    // A verb for the instance already running (service/RemoteVerbs): "connect", "hang-up", "status"
    // or "quit"; empty to start the program.
    QString verb;
    QString connectProfile; // --connect NAME (empty: the Connect button's default profile)
    bool json = false;      // --status --json

    // --history: print the usage history and exit. The period's first and last days (invalid: open),
    // one profile or all, and the format: table, csv or json.
    bool history = false;
    QDate historyFrom;
    QDate historyTo;
    std::optional<QString> historyProfile;
    QString historyFormat = QStringLiteral("table");

    // `arguments` as in main()'s argv, the program first. With `qtOptionsTaken` (the application
    // object has taken its own options out) every unknown option is an error.
    static CommandLine parse(const QStringList& arguments, bool qtOptionsTaken = false);
    static QStringList fromArgv(int argc, char* argv[]);

    // Writes `output` and `error` to their streams and returns `exitCode`.
    int finish() const;
};
