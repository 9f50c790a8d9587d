#include "app/main/AppOptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include "zm47_version.h"

namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption simulator{QStringLiteral("simulator"),
                                 QCoreApplication::translate("AppOptions",
                                                             "Use the simulated ZM-47 (\"ZM-47 Simulator\")"
                                                             " when no MIDI devices are chosen yet.")};
    QCommandLineOption simMemory{
        QStringLiteral("sim-memory"),
        QCoreApplication::translate("AppOptions", "Keep the simulated unit's memory in FILE."),
        QStringLiteral("FILE.z4l")};
    QCommandLineOption language{QStringLiteral("lang"),
                                QCoreApplication::translate("AppOptions", "Language of the windows and messages."),
                                QStringLiteral("en|ja")};
    QCommandLineOption noRegister{QStringLiteral("no-register"),
                                  QCoreApplication::translate("AppOptions", "Do not register the .z4l file type.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("AppOptions", "Show these options.")};
    QCommandLineOption version{QStringLiteral("version"),
                               QCoreApplication::translate("AppOptions", "Show the program's version.")};

    Parser() {
        parser.setApplicationDescription(QStringLiteral("ZM-47 Librarian"));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({simulator, simMemory, language, noRegister, help, version});
        parser.addPositionalArgument(QStringLiteral("FILE"),
                                     QCoreApplication::translate("AppOptions", "A librarian file (.z4l) to open."),
                                     QStringLiteral("[FILE]"));
    }
};

} // namespace

bool ParseAppOptions(const QStringList& arguments, CAppOptions& options, QString& error) {
    Parser p;
    if (!p.parser.parse(arguments)) {
        error = p.parser.errorText();
        return false;
    }
    options = CAppOptions{};
    options.help = p.parser.isSet(p.help);
    options.version = p.parser.isSet(p.version);
    options.simulator = p.parser.isSet(p.simulator);
    options.simMemory = p.parser.value(p.simMemory);
    options.noRegister = p.parser.isSet(p.noRegister);
    options.language = p.parser.value(p.language);
    if (!options.language.isEmpty() && options.language != QLatin1String("en") &&
        options.language != QLatin1String("ja")) {
        error = QCoreApplication::translate("AppOptions", "--lang takes en or ja, not \"%1\".").arg(options.language);
        return false;
    }
    if (p.parser.isSet(p.simMemory) && !options.simulator) {
        error = QCoreApplication::translate("AppOptions", "--sim-memory is used with --simulator.");
        return false;
    }
    if (p.parser.isSet(p.simMemory) && options.simMemory.isEmpty()) {
        error = QCoreApplication::translate("AppOptions", "--sim-memory needs a file name.");
        return false;
    }
    const QStringList files = p.parser.positionalArguments();
    if (files.size() > 1) {
        error = QCoreApplication::translate("AppOptions", "Only one file can be opened at start-up.");
        return false;
    }
    if (!files.isEmpty())
        options.file = files.front();
    return true;
}

QString AppOptionsHelp() {
    Parser p;
    // Without an application object yet the parser cannot name the program.
    return p.parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("zm47-librarian"));
}

QString AppVersionText() { return QStringLiteral("zm47-librarian " ZM47_VERSION "\n"); }
