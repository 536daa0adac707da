#pragma once

#include <QString>
#include <QStringList>

// What the user asked for on the command line. Parsing needs no application
// object, so that --help and --version work where no window system answers.
namespace CommandLine {

// CallHouse: --scene or --all-off, handed to the running copy over the bus.
enum class Action { Run, ShowHelp, ShowVersion, Fail, CallHouse };

struct Options {
    Action action = Action::Run;
    // --device: the saved device to connect to; an empty host when not given,
    // port 0 when any port will do.
    QString deviceHost;
    int devicePort = 0;
    // CallHouse: the method of the house interface and its arguments.
    QString houseMethod;
    QStringList houseArguments;
    // Fail: what was wrong, for standard error.
    QString error;
};

// arguments as QCoreApplication::arguments() gives them (program name first);
// the window system's own options (-platform, -display, ...) are passed over.
Options parse(const QStringList& arguments);
// The --help text; needs an application object for the program name.
QString helpText();
QString versionText();

// Answers --help, --version and a wrong command line from the raw arguments
// before any window system is contacted: prints and returns the exit code.
// Returns -1 when the application should start.
int answerWithoutWindow(int argc, char* argv[]);
// Prints what a non-Run action asks for and returns the exit code.
int answer(const Options& options);
// Selects the device that --device names, or says on standard error that no
// saved device matches (the start then goes on as usual).
void applyDevice(const Options& options);

// Makes the first saved device at host (and port, unless 0) the last selected
// one, which the application connects to at start. False when none matches.
bool selectSavedDevice(const QString& host, int port);
}
