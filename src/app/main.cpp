#include "app/ResourceFolder.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/StateFolder.h"
#include "app/ui/DeferredIconStyle.h"
#include "app/ui/ProgramParts.h"
#include "platform/Path.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QuitWhenPainted.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

namespace {

// The command line's options. --help and --version are answered before the window system is
// needed, so they work in a terminal without a display; Qt's own options (-platform, -style)
// are taken by QApplication and never reach here as unknown.
void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Keeps a collection of add-ons (aircraft, panels, sound sets) for the year-2000 flight "
        "simulator, and installs them into the simulator and takes them out again."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("archive"),
        QStringLiteral("An add-on archive to unpack into the Staging folder once started."),
        QStringLiteral("[archive]"));
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Wingstash"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(WINGSTASH_VERSION_MAJOR)
                                                .arg(WINGSTASH_VERSION_MINOR)
                                                .arg(WINGSTASH_VERSION_PATCH));
}

// Shows the help or the version and ends the program when one was asked for.
void answerTerminalQuestions(int argc, char **argv)
{
    const QCoreApplication terminal(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1)
        answerTerminalQuestions(argc, argv);

    // Read while the application object is made; the windows wait for it (ProgramParts).
    FontConfigReadAhead fontConfig;
    QApplication app(argc, argv);
    nameApplication();
    QApplication::setDesktopFileName(QStringLiteral("org.wingstash.Wingstash"));
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app); // reports an unknown option and ends

    useProgramType();
    // The menu bar's seldom shown extension icon is loaded when first drawn, not at every start.
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));

    SharedState state;
    const QString programFolder =
        platform::withTrailingSeparator(QCoreApplication::applicationDirPath());
    state.ResourceDir = findResourceFolder(programFolder);
    // ws.ini stays beside a program run from its build folder; an installed one keeps it in
    // the user's configuration folder, never in a bin folder.
    state.AppDir = settingsFolder(programFolder);
    state.StateDir = stateFolder();

    QtMessageBoxes messages;
    ProgramParts parts(state, messages, fontConfig);
    messages.setParent(&parts.window);
    if (!parts.window.start())
        return 0;
    // An archive opened with Wingstash from a file manager is unpacked once the window is up.
    if (const QStringList archives = parser.positionalArguments(); !archives.isEmpty()) {
        QTimer::singleShot(0, &parts.window,
                           [&parts, archive = QFileInfo(archives.first()).absoluteFilePath()] {
                               parts.window.fillPendingBoxes();
                               parts.window.controller().unpackArchive(archive);
                           });
    }
    // Lets a script check or time start-up: the program ends once its window is on screen.
    if (qEnvironmentVariableIsSet("WINGSTASH_QUIT_WHEN_SHOWN"))
        new QuitWhenPainted(parts.window);
    return QApplication::exec();
}
