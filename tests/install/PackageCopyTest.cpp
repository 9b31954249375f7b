#include "install/PackageCopy.h"

#include "package/Scan.h"
#include "platform/FileSystem.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString kCategory = QStringLiteral("Aircraft - Heavy Props");

// Every entry below dir, relative, folders with a trailing "/", sorted.
QStringList entriesBelow(const QString &dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QString relative = QDir(dir).relativeFilePath(path);
        if (it.fileInfo().isDir() && !it.fileInfo().isSymLink())
            relative += QLatin1Char('/');
        entries.append(relative);
    }
    entries.sort();
    return entries;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The system's reason for refusing to copy source, as the copy routine reports it.
QString copyErrorOf(const QString &source)
{
    TreeBuilder scratch;
    return platform::copyFile(source, scratch.path(QStringLiteral("copy"))).error;
}

class PackageCopyTest : public ::testing::Test {
protected:
    TreeBuilder staging;
    TreeBuilder stowbay;
    TreeBuilder msfs;
    TestContext tc;

    void SetUp() override
    {
        tc.state.StagingDir = staging.root();
        tc.state.StowbayDir = stowbay.root();
        tc.state.MsfsDir = msfs.root();
        tc.state.AppDir = staging.root();
        stowbay.folder(kCategory);
        // A real simulator spells its folders with capitals.
        msfs.folder(QStringLiteral("Aircraft")).folder(QStringLiteral("Gauges"));
        msfs.folder(QStringLiteral("Sound"));
    }

    // A complete aircraft add-on as it comes out of its archive: mixed-case names, files of
    // every kind in sub-folders of their own.
    void stageFullAircraft()
    {
        staging
            .fixture(QStringLiteral("real-cfg/hp-hampden-mki/aircraft.cfg"),
                     QStringLiteral("Aircraft.cfg"))
            .file(QStringLiteral("Hampden.AIR"), "air")
            .file(QStringLiteral("pilot_check.txt"), "check list")
            .file(QStringLiteral("Images/Shot.JPG"), "jpg")
            .fixture(QStringLiteral("real-cfg/757Glass/Panel/panel.cfg"),
                     QStringLiteral("Panel/Panel.cfg"))
            .file(QStringLiteral("Panel/B767upper.bmp"), "panel bitmap")
            .file(QStringLiteral("Panel/B767Main.GAU"), "named gauge")
            .file(QStringLiteral("Panel/757GlassVS.gau"), "named gauge 2")
            .file(QStringLiteral("Panel/spare.gau"), "gauge nobody names")
            .file(QStringLiteral("Model/Model.cfg"), "[models]\r\nnormal=hampden\r\n")
            .file(QStringLiteral("Model/Hampden.MDL"), "mdl")
            .file(QStringLiteral("Texture/Hampden_T.bmp"), "texture")
            .file(QStringLiteral("Texture/Body.oaf"), "oaf")
            .fixture(QStringLiteral("real-cfg/DLA_Jodel_DR-1050/sound/sound.cfg"),
                     QStringLiteral("Sound/Sound.cfg"))
            .file(QStringLiteral("Sound/rpm1.wav"), "named sound")
            .file(QStringLiteral("Sound/Click.wav"), "gauge sound")
            .file(QStringLiteral("Sound/Beep.wav"), "gauge sound 2")
            .file(QStringLiteral("ReadMe.txt"), "read me")
            .file(QStringLiteral("extra.xyz"), "unknown");
        ScanPackage(tc, tc.state.StagingDir);
    }

    QString storeTarget(const QString &name) const
    {
        return tc.state.StowbayDir + kCategory + QDir::separator() + name;
    }
    QString simulatorTarget(const QString &name) const
    {
        return tc.state.MsfsDir + QStringLiteral("aircraft") + QDir::separator() + name;
    }
};

TEST_F(PackageCopyTest, IntakeLaysOutTheStoreKindByKindWithLowerCaseNames)
{
    stageFullAircraft();
    const QStringList stagedBefore = entriesBelow(staging.root());

    ASSERT_TRUE(CopyPackage(tc, storeTarget(QStringLiteral("Hampden"))));

    // Aircraft files at the top, every other kind flat in its own folder; only the gauges
    // that panel.cfg names.
    EXPECT_EQ(entriesBelow(stowbay.path(kCategory + QStringLiteral("/Hampden"))),
              (QStringList{
                  "Documentation/",
                  "Documentation/readme.txt",
                  "Gauges/",
                  "Gauges/757glassvs.gau",
                  "Gauges/b767main.gau",
                  "Images/",
                  "Images/shot.jpg",
                  "Model/",
                  "Model/hampden.mdl",
                  "Model/model.cfg",
                  "Panel/",
                  "Panel/b767upper.bmp",
                  "Panel/panel.cfg",
                  "Sound/",
                  "Sound/beep.wav",
                  "Sound/click.wav",
                  "Sound/rpm1.wav",
                  "Sound/sound.cfg",
                  "Texture/",
                  "Texture/body.oaf",
                  "Texture/hampden_t.bmp",
                  "Unrecognized Files/",
                  "Unrecognized Files/extra.xyz",
                  "aircraft.cfg",
                  "hampden.air",
                  "pilot_check.txt",
              }));
    EXPECT_EQ(stowbay.read(kCategory + QStringLiteral("/Hampden/Gauges/b767main.gau")),
              QByteArray("named gauge"));
    EXPECT_EQ(stowbay.read(kCategory + QStringLiteral("/Hampden/aircraft.cfg")),
              readAll(fixturePath(QStringLiteral("real-cfg/hp-hampden-mki/aircraft.cfg"))));
    // Nothing reaches the simulator, and the Staging area is left as it was.
    EXPECT_EQ(entriesBelow(msfs.root()), (QStringList{"Aircraft/", "Gauges/", "Sound/"}));
    EXPECT_EQ(entriesBelow(staging.root()), stagedBefore);
    EXPECT_FALSE(tc.progress.visible);
    EXPECT_EQ(tc.progress.maximum, 8);
    EXPECT_EQ(tc.progress.value, 8);
}

TEST_F(PackageCopyTest, OnlyKindsWithFilesGetFoldersAndAnAliasPanelKeepsNoGauges)
{
    // A panel that borrows another aircraft's panel names none of the gauges beside it.
    staging
        .fixture(QStringLiteral("synthetic-cfg/alias-panel/panel.cfg"),
                 QStringLiteral("panel/panel.cfg"))
        .file(QStringLiteral("panel/fuel.gau"), "g1")
        .file(QStringLiteral("panel/clock.gau"), "g2");
    ScanPackage(tc, tc.state.StagingDir);

    ASSERT_TRUE(CopyPackage(tc, storeTarget(QStringLiteral("Alias Panel"))));

    EXPECT_EQ(entriesBelow(stowbay.path(kCategory + QStringLiteral("/Alias Panel"))),
              (QStringList{"Panel/", "Panel/panel.cfg"}));
}

TEST_F(PackageCopyTest, SimulatorInstallUsesItsFoldersWhateverTheirCase)
{
    stageFullAircraft();
    msfs.file(QStringLiteral("Sound/beep.wav"), "the simulator's own beep")
        .file(QStringLiteral("Gauges/757GlassVS.gau"), "older gauge");

    ASSERT_TRUE(CopyPackage(tc, simulatorTarget(QStringLiteral("Hampden"))));

    const QStringList installed = entriesBelow(msfs.path(QStringLiteral("Aircraft/Hampden")));
    EXPECT_FALSE(installed.contains(QStringLiteral("Gauges/")));
    EXPECT_TRUE(installed.contains(QStringLiteral("Panel/panel.cfg")));
    EXPECT_TRUE(installed.contains(QStringLiteral("aircraft.cfg")));
    // Every gauge of the package goes to the shared folder, replacing one of the same name.
    EXPECT_EQ(entriesBelow(msfs.path(QStringLiteral("Gauges"))),
              (QStringList{"757GlassVS.gau", "b767main.gau", "spare.gau"}));
    EXPECT_EQ(msfs.read(QStringLiteral("Gauges/757GlassVS.gau")), QByteArray("named gauge 2"));
    // Sounds that sound.cfg does not name go to the shared sound folder once, never over an
    // existing one.
    EXPECT_EQ(entriesBelow(msfs.path(QStringLiteral("Sound"))),
              (QStringList{"beep.wav", "click.wav"}));
    EXPECT_EQ(msfs.read(QStringLiteral("Sound/beep.wav")), QByteArray("the simulator's own beep"));
    EXPECT_EQ(msfs.read(QStringLiteral("Sound/click.wav")), QByteArray("gauge sound"));
    EXPECT_FALSE(msfs.exists(QStringLiteral("gauges")));
    EXPECT_FALSE(msfs.exists(QStringLiteral("sound")));
    EXPECT_FALSE(tc.progress.visible);
}

TEST_F(PackageCopyTest, StoreInsideTheSimulatorCountsAsTheSimulator)
{
    stageFullAircraft();
    tc.state.StowbayDir = tc.state.MsfsDir + QStringLiteral("Stowbay") + QDir::separator();
    msfs.folder(QStringLiteral("Stowbay/") + kCategory);

    ASSERT_TRUE(CopyPackage(tc, storeTarget(QStringLiteral("Hampden"))));

    EXPECT_FALSE(msfs.exists(QStringLiteral("Stowbay/") + kCategory + "/Hampden/Gauges"));
    EXPECT_TRUE(msfs.exists(QStringLiteral("Gauges/spare.gau")));
}

TEST_F(PackageCopyTest, RefusalsComeBeforeAnythingIsWritten)
{
    stageFullAircraft();
    stowbay.file(kCategory + QStringLiteral("/hampden/mine.txt"), "keep");
    const QString badName = QStringLiteral(
        "The package name cannot end with a dot or a space.  Please use another name.");
    tc.messages
        .expectOk(QStringLiteral("Either the directory ") + storeTarget(QStringLiteral("Hampden")) +
                  QStringLiteral(" already exists or the target media is read only (i.e. CD ROM)."))
        .expectOk(badName)
        .expectOk(badName)
        .expectOk(QStringLiteral(
            "The package name is too long for a folder name.  Please use a shorter name."));
    EXPECT_FALSE(CopyPackage(tc, storeTarget(QStringLiteral("Hampden"))));
    EXPECT_FALSE(CopyPackage(tc, storeTarget(QStringLiteral("Hampden."))));
    EXPECT_FALSE(CopyPackage(tc, storeTarget(QStringLiteral("Hampden "))));
    // 128 two-byte characters: 256 bytes.
    EXPECT_FALSE(CopyPackage(tc, storeTarget(QString(128, QChar(0xe9)))));

    tc.state.ScanOverflow = true;
    tc.messages.expectOk(QStringLiteral("This package holds more files than Wingstash can list, "
                                        "so it was not copied.  Nothing was changed."));
    EXPECT_FALSE(CopyPackage(tc, storeTarget(QStringLiteral("Cessna"))));
    EXPECT_EQ(entriesBelow(stowbay.path(kCategory)), (QStringList{"hampden/", "hampden/mine.txt"}));
    tc.state.ScanOverflow = false;

    ASSERT_TRUE(QDir(msfs.path(QStringLiteral("Gauges"))).removeRecursively());
    tc.messages.expectOk(tc.state.MsfsDir +
                         QStringLiteral("gauges directory does not exist.  Please verify Flight "
                                        "Simulator directory location."));
    EXPECT_FALSE(CopyPackage(tc, simulatorTarget(QStringLiteral("Hampden"))));
    EXPECT_EQ(entriesBelow(msfs.root()), (QStringList{"Aircraft/", "Sound/"}));
}

TEST_F(PackageCopyTest, VanishedSourceTakesBackTheWholeStoreCopy)
{
    stageFullAircraft();
    // The last sound file goes missing after the scan listed it.
    staging.file(QStringLiteral("Sound/zz.wav"), "soon gone");
    ScanPackage(tc, tc.state.StagingDir);
    ASSERT_TRUE(QFile::remove(staging.path(QStringLiteral("Sound/zz.wav"))));
    const QString target = storeTarget(QStringLiteral("Hampden"));
    tc.messages.expectOk(QStringLiteral("Wingstash could not copy ") +
                         staging.path(QStringLiteral("Sound/zz.wav")) + QStringLiteral(" to ") +
                         target +
                         QStringLiteral("/Sound/zz.wav.  The system cannot find the "
                                        "file specified.  Nothing was copied."));
    const QStringList stagedBefore = entriesBelow(staging.root());

    EXPECT_FALSE(CopyPackage(tc, target));

    EXPECT_TRUE(entriesBelow(stowbay.path(kCategory)).isEmpty());
    EXPECT_EQ(entriesBelow(staging.root()), stagedBefore);
    EXPECT_FALSE(tc.progress.visible);
}

TEST_F(PackageCopyTest, FailedInstallRemovesOnlyWhatItAddedToTheSharedFolders)
{
    stageFullAircraft();
    // A gauge that is a dangling link cannot be read: the gauge step fails after the
    // package folder, the shared sounds and the first gauges were written.
    staging.link(QStringLiteral("Panel/zz.gau"), staging.path(QStringLiteral("nowhere.gau")));
    ScanPackage(tc, tc.state.StagingDir);
    msfs.file(QStringLiteral("Gauges/b767main.gau"), "older gauge")
        .file(QStringLiteral("Gauges/other.gau"), "another aircraft's")
        .file(QStringLiteral("Sound/beep.wav"), "the simulator's own beep");
    tc.messages.expectOk(QStringLiteral("Wingstash could not copy ") +
                         staging.path(QStringLiteral("Panel/zz.gau")) + QStringLiteral(" to ") +
                         msfs.path(QStringLiteral("Gauges/zz.gau")) + QStringLiteral(".  ") +
                         copyErrorOf(staging.path(QStringLiteral("Panel/zz.gau"))) +
                         QStringLiteral(".  Nothing was copied."));

    EXPECT_FALSE(CopyPackage(tc, simulatorTarget(QStringLiteral("Hampden"))));

    EXPECT_EQ(entriesBelow(msfs.root()),
              (QStringList{"Aircraft/", "Gauges/", "Gauges/b767main.gau", "Gauges/other.gau",
                           "Sound/", "Sound/beep.wav"}));
    EXPECT_EQ(msfs.read(QStringLiteral("Sound/beep.wav")), QByteArray("the simulator's own beep"));
    EXPECT_TRUE(staging.exists(QStringLiteral("Panel/B767Main.GAU")));
    EXPECT_FALSE(tc.progress.visible);
}

// Unmounts the small file system when the test ends, whatever happened.
class TinyFileSystem {
public:
    explicit TinyFileSystem(const QString &mountPoint) : mountPoint_(mountPoint)
    {
        mounted_ = QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                      QStringLiteral("-o"), QStringLiteral("size=64k"),
                                      QStringLiteral("tmpfs"), mountPoint}) == 0;
    }
    ~TinyFileSystem()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {mountPoint_});
    }
    bool mounted() const { return mounted_; }

private:
    QString mountPoint_;
    bool mounted_ = false;
};

// Records message boxes whose text holds a system error we cannot spell in advance.
class RecordingMessageBoxes : public platform::MessageBoxes {
public:
    QStringList texts;
    platform::Answer show(const QString &text, platform::Buttons) override
    {
        texts.append(text);
        return platform::Answer::Ok;
    }
};

TEST_F(PackageCopyTest, FullDiskTakesBackTheCopy)
{
    stowbay.folder(QStringLiteral("small"));
    TinyFileSystem tiny(stowbay.path(QStringLiteral("small")));
    if (!tiny.mounted())
        GTEST_SKIP() << "cannot mount a small file system here";
    QDir().mkdir(stowbay.path(QStringLiteral("small/Sounds")));
    staging.file(QStringLiteral("sound.cfg"), "[fltsim]\r\n")
        .file(QStringLiteral("a.wav"), QByteArray(20 * 1024, 'a'))
        .file(QStringLiteral("b.wav"), QByteArray(200 * 1024, 'b'));
    ScanPackage(tc, tc.state.StagingDir);
    RecordingMessageBoxes messages;
    Context context{tc.state,         messages,       tc.view,    tc.progress,
                    tc.configChooser, tc.packageList, tc.launcher};
    const QString target = stowbay.path(QStringLiteral("small/Sounds/Big"));

    EXPECT_FALSE(CopyPackage(context, target));

    ASSERT_EQ(messages.texts.size(), 1);
    const QString text = messages.texts.first();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Wingstash could not copy ") +
                                staging.path(QStringLiteral("b.wav")) + QStringLiteral(" to ") +
                                target + QStringLiteral("/Sound/b.wav.  ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(".  Nothing was copied."))) << text.toStdString();
    EXPECT_EQ(entriesBelow(stowbay.path(QStringLiteral("small"))), QStringList{"Sounds/"});
    EXPECT_FALSE(tc.progress.visible);
}

} // namespace
