#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>

namespace {

// The options QGuiApplication and QApplication take out of the command line themselves.
bool isQtOption(const QString& name) {
    static const QStringList names{
        QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("geometry"),      QStringLiteral("qwindowtitle"),
        QStringLiteral("title"),         QStringLiteral("qwindowicon"),
        QStringLiteral("icon"),          QStringLiteral("display"),
        QStringLiteral("name"),          QStringLiteral("reverse"),
        QStringLiteral("session"),       QStringLiteral("style"),
        QStringLiteral("stylesheet"),    QStringLiteral("widgetcount"),
        QStringLiteral("nograb"),        QStringLiteral("dograb"),
        QStringLiteral("sync"),          QStringLiteral("testability"),
    };
    return names.contains(name);
}

// A day as YYYY-MM-DD, or a month as YYYY-MM (its first day, or with `end` its last).
QDate dayOf(const QString& text, bool end) {
    QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) {
        d = QDate::fromString(text, QStringLiteral("yyyy-MM"));
        if (d.isValid() && end)
            d = d.addMonths(1).addDays(-1);
    }
    return d;
}

CommandLine exitWith(int code, const QString& output, const QString& error = {}) {
    CommandLine c;
    c.outcome = CommandLine::Outcome::Exit;
    c.exitCode = code;
    c.output = output;
    c.error = error;
    return c;
}

} // namespace

QStringList CommandLine::fromArgv(int argc, char* argv[]) {
    QStringList list;
    list.reserve(argc);
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

CommandLine CommandLine::parse(const QStringList& given, bool qtOptionsTaken) {
    // --connect takes its profile as the next word or as --connect=NAME (for a name that starts
    // with a dash); the parser knows it as a switch.
    QStringList arguments = given;
    std::optional<QString> connectValue;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i).startsWith(QLatin1String("--connect="))) {
            connectValue = arguments.at(i).mid(10);
            arguments[i] = QStringLiteral("--connect");
        }
    }
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform, -style): read them as words, not as letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Dials, redials, times and prices dial-up and metered connections."));
    const QCommandLineOption helpOpt({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                     QStringLiteral("Displays help on commandline options."));
    parser.addOption(helpOpt);
    const QCommandLineOption versionOpt = parser.addVersionOption();
    const QCommandLineOption backendOpt(
        QStringLiteral("backend"), QStringLiteral("Remote-access backend: auto, sim or nm (default auto)."),
        QStringLiteral("name"), QStringLiteral("auto"));
    const QCommandLineOption dataDirOpt(QStringLiteral("data-dir"),
                                        QStringLiteral("Folder of the settings and month files (default: "
                                                       "the user's data folder, ~/.local/share/modemtally)."),
                                        QStringLiteral("dir"));
    const QCommandLineOption phonebookOpt(QStringLiteral("phonebook"),
                                          QStringLiteral("Simulator phone book (INI file); default: the "
                                                         "built-in sample phone book."),
                                          QStringLiteral("file"));
    const QCommandLineOption outsideOpt(
        QStringLiteral("sim-outside"),
        QStringLiteral("Simulator: this entry is already connected by another "
                       "program at start."),
        QStringLiteral("entry"));
    parser.addOptions({backendOpt, dataDirOpt, phonebookOpt, outsideOpt});
    const QCommandLineOption historyOpt(QStringLiteral("history"),
                                        QStringLiteral("Print the usage history's sessions and exit."));
    const QCommandLineOption fromOpt(
        QStringLiteral("from"), QStringLiteral("With --history: the first day (YYYY-MM-DD, or YYYY-MM)."),
        QStringLiteral("date"));
    const QCommandLineOption toOpt(QStringLiteral("to"),
                                   QStringLiteral("With --history: the last day (YYYY-MM-DD, or YYYY-MM)."),
                                   QStringLiteral("date"));
    const QCommandLineOption profileOpt(QStringLiteral("profile"),
                                        QStringLiteral("With --history: only this profile's sessions."),
                                        QStringLiteral("name"));
    const QCommandLineOption formatOpt(QStringLiteral("format"),
                                       QStringLiteral("With --history: table, csv or json (default table)."),
                                       QStringLiteral("format"), QStringLiteral("table"));
    parser.addOptions({historyOpt, fromOpt, toOpt, profileOpt, formatOpt});
    // The verbs: they talk to the instance running for the data folder (exit status 3 when none).
    const QList<std::pair<QCommandLineOption, QString>> verbOpts{
        {QCommandLineOption(QStringLiteral("connect"),
                            QStringLiteral("[NAME] The running ModemTally dials the profile NAME, or "
                                           "without it does what its Connect button does.")),
         QStringLiteral("connect")},
        {QCommandLineOption(QStringLiteral("hang-up"), QStringLiteral("The running ModemTally hangs up.")),
         QStringLiteral("hang-up")},
        {QCommandLineOption(QStringLiteral("status"),
                            QStringLiteral("Prints the running ModemTally's state, or \"not running\".")),
         QStringLiteral("status")},
        {QCommandLineOption(QStringLiteral("quit"),
                            QStringLiteral("The running ModemTally exits, as its Exit button does.")),
         QStringLiteral("quit")},
    };
    for (const auto& verbOpt : verbOpts)
        parser.addOption(verbOpt.first);
    const QCommandLineOption jsonOpt(QStringLiteral("json"), QStringLiteral("With --status: as JSON."));
    parser.addOption(jsonOpt);

    const bool parsed = parser.parse(arguments);
    const QString program =
        arguments.isEmpty() ? QStringLiteral("modemtally") : QFileInfo(arguments.constFirst()).fileName();
    if (parser.isSet(helpOpt)) {
        // The usage line names the program as it was started (without an application object Qt
        // cannot name it).
        QString text = parser.helpText();
        text = QStringLiteral("Usage: %1 [options]").arg(program) + text.mid(text.indexOf(QLatin1Char('\n')));
        return exitWith(0, text);
    }
    if (parser.isSet(versionOpt)) {
        return exitWith(0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                         QCoreApplication::applicationVersion()));
    }
    QStringList verbs;
    for (const auto& verbOpt : verbOpts) {
        if (parser.isSet(verbOpt.first))
            verbs << verbOpt.second;
    }
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        QStringList ours;
        // A verb needs no display, so Qt's options are of no use beside one.
        std::copy_if(unknown.begin(), unknown.end(), std::back_inserter(ours),
                     [&verbs](const QString& name) { return !verbs.isEmpty() || !isQtOption(name); });
        if (!qtOptionsTaken && !unknown.isEmpty() && ours.isEmpty()) {
            CommandLine c;
            c.outcome = Outcome::AfterQtApp;
            return c;
        }
        // Named are only the options that are wrong, not Qt's among them.
        const QString reason =
            unknown.isEmpty() || qtOptionsTaken ? parser.errorText()
            : ours.size() == 1 ? QStringLiteral("Unknown option '%1'.").arg(ours.constFirst())
                               : QStringLiteral("Unknown options: %1.").arg(ours.join(QStringLiteral(", ")));
        return exitWith(2, {},
                        QStringLiteral("%1: %2\nTry '%1 --help' for the options.\n").arg(program, reason));
    }

    CommandLine c;
    c.backend = parser.value(backendOpt).toLower();
    if (c.backend != QLatin1String("auto") && c.backend != QLatin1String("sim") &&
        c.backend != QLatin1String("nm"))
        return exitWith(2, {},
                        QStringLiteral("%1: Unknown backend \"%2\": use auto, sim or nm.\n")
                            .arg(program, parser.value(backendOpt)));
    c.dataDir = parser.value(dataDirOpt);
    c.phonebook = parser.value(phonebookOpt);
    c.simOutside = parser.value(outsideOpt);

    c.history = parser.isSet(historyOpt);
    const auto wrong = [&program](const QString& reason) {
        return exitWith(2, {},
                        QStringLiteral("%1: %2\nTry '%1 --help' for the options.\n").arg(program, reason));
    };
    if (!c.history &&
        (parser.isSet(fromOpt) || parser.isSet(toOpt) || parser.isSet(profileOpt) || parser.isSet(formatOpt)))
        return wrong(QStringLiteral("--from, --to, --profile and --format go with --history."));
    for (const auto& [opt, date, end] :
         {std::tuple(&fromOpt, &c.historyFrom, false), std::tuple(&toOpt, &c.historyTo, true)}) {
        if (!parser.isSet(*opt))
            continue;
        *date = dayOf(parser.value(*opt), end);
        if (!date->isValid())
            return wrong(
                QStringLiteral("\"%1\" is not a date: use YYYY-MM-DD or YYYY-MM.").arg(parser.value(*opt)));
    }
    if (parser.isSet(profileOpt))
        c.historyProfile = parser.value(profileOpt);
    c.historyFormat = parser.value(formatOpt).toLower();
    if (!QStringList{QStringLiteral("table"), QStringLiteral("csv"), QStringLiteral("json")}.contains(
            c.historyFormat))
        return wrong(
            QStringLiteral("Unknown format \"%1\": use table, csv or json.").arg(parser.value(formatOpt)));
    if (verbs.size() > 1)
        return wrong(QStringLiteral("--connect, --hang-up, --status and --quit go one at a time."));
    if (c.history && !verbs.isEmpty())
        return wrong(QStringLiteral("--history goes without --%1.").arg(verbs.constFirst()));
    if (parser.isSet(jsonOpt) && verbs != QStringList{QStringLiteral("status")})
        return wrong(QStringLiteral("--json goes with --status."));
    QStringList words = parser.positionalArguments();
    if (connectValue)
        words.prepend(*connectValue);
    c.verb = verbs.value(0);
    if (c.verb == QLatin1String("connect")) {
        if (words.size() > 1)
            return wrong(QStringLiteral("--connect takes one profile name (quote a name with blanks)."));
        c.connectProfile = words.value(0);
    } else if (!c.verb.isEmpty() && !words.isEmpty()) {
        return wrong(QStringLiteral("Unexpected argument '%1'.").arg(words.constFirst()));
    }
    c.json = parser.isSet(jsonOpt);
    return c;
}

int CommandLine::finish() const {
    if (!output.isEmpty()) {
        std::fputs(output.toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
    }
    if (!error.isEmpty())
        std::fputs(error.toLocal8Bit().constData(), stderr);
    return exitCode;
}
