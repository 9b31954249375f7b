// Shows the main window on a sandbox (scripts/make-sandbox.sh) and saves it as PNG pictures:
// Staging mode with the sample add-on on its Panel tab, Stowbay mode with that add-on stored,
// then the window resized and maximised. The README's pictures are made with it
// (scripts/make-screenshots.sh); run it on the offscreen platform.
//   wingstash_screenshots SANDBOX OUTPUT-FOLDER [PREFIX]

#include "app/ResourceFolder.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/ui/ProgramParts.h"
#include "platform/Path.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// Prints every message and answers it with OK or No, so that a run never waits for a hand on
// a button and never removes anything.
class DecliningMessageBoxes : public platform::MessageBoxes {
public:
    platform::Answer show(const QString &text, platform::Buttons buttons,
                          const QStringList &) override
    {
        std::fprintf(stderr, "message: %s\n", qUtf8Printable(text));
        return buttons == platform::Buttons::YesNo ? platform::Answer::No : platform::Answer::Ok;
    }
};

void click(QWidget &window, const char *button)
{
    QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    QTest::qWait(100);
}

bool save(QWidget &window, const QString &file)
{
    const bool saved = window.grab().save(file);
    std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qUtf8Printable(file));
    return saved;
}

} // namespace

int main(int argc, char **argv)
{
    FontConfigReadAhead fontConfig;
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SANDBOX OUTPUT-FOLDER [PREFIX]\n", argv[0]);
        return 2;
    }
    useProgramType();
    const QString sandbox = platform::withTrailingSeparator(QString::fromLocal8Bit(argv[1]));
    const QString output = platform::withTrailingSeparator(QString::fromLocal8Bit(argv[2]));
    const QString prefix = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    const QTemporaryDir settings;
    SharedState state;
    state.AppDir = platform::withTrailingSeparator(settings.path());
    state.ResourceDir =
        findResourceFolder(platform::withTrailingSeparator(QCoreApplication::applicationDirPath()));
    state.StagingDir = sandbox + QStringLiteral("Staging/");
    state.StowbayDir = sandbox + QStringLiteral("Stowbay/");
    state.MsfsDir = sandbox + QStringLiteral("FS2000/");
    if (!settings.isValid() ||
        !writeSettingsFile(settingsFilePath(state), state, std::nullopt, nullptr))
        return 1;

    DecliningMessageBoxes messages;
    ProgramParts parts(state, messages, fontConfig);
    QWidget &window = parts.window;
    if (!parts.window.start())
        return 1;
    QTest::qWait(200);
    click(window, "cmdStaging");
    // The Panel tab shows how the add-on was sorted.
    window.findChild<QTabWidget *>(QStringLiteral("tabComponents"))->setCurrentIndex(2);
    bool saved = save(window, output + prefix + QStringLiteral("staging.png"));

    // Store the add-on in the first category under its suggested name, then show it there.
    window.findChild<QComboBox *>(QStringLiteral("cboOptions"))->setCurrentIndex(0);
    click(window, "cmdGo");
    click(window, "cmdGoToStowbay");
    saved = save(window, output + prefix + QStringLiteral("stowbay.png")) && saved;

    // The component area follows the window when it is resized and when it is maximised.
    window.resize(window.size() * 1.25);
    QTest::qWait(100);
    saved = save(window, output + prefix + QStringLiteral("resized.png")) && saved;
    window.showMaximized();
    QTest::qWait(200);
    saved = save(window, output + prefix + QStringLiteral("maximised.png")) && saved;
    return saved ? 0 : 1;
}
