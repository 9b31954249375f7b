#include "intake/ArchiveUnpack.h"

#include "support/ArchiveWriter.h"
#include "support/PackageTestHelpers.h"
#include "support/TestContext.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <string>

#if defined(__linux__)
#include <sys/mount.h>
#endif

namespace {

// A Staging folder, a downloads folder for the archives and a sibling folder that nothing may
// reach.
struct Unpacking {
    TreeBuilder tree;
    TestContext test;
    Unpacking()
    {
        tree.folder("Staging").folder("Downloads").file("Sibling/keep.txt", "keep");
        test.state.StagingDir = tree.path("Staging/");
    }
    QString archive(const QString &name, const QList<ArchiveEntry> &entries,
                    const char *options = nullptr)
    {
        writeArchive(tree.path("Downloads/" + name), entries, options);
        return tree.path("Downloads/" + name);
    }
    QStringList staging() const { return entriesBelow(tree.path("Staging")); }
};

// Rewrites an archive file's bytes in place.
void patch(const QString &path, const std::function<void(QByteArray &)> &change)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    change(bytes);
    file.resize(0);
    file.seek(0);
    file.write(bytes);
}

#if defined(__linux__)
// A 64 KiB disk mounted over a folder while it lives.
struct SmallDisk {
    QByteArray folder;
    bool mounted;
    explicit SmallDisk(const QString &path)
        : folder(QFile::encodeName(path)),
          mounted(mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k") == 0)
    {
    }
    ~SmallDisk()
    {
        if (mounted)
            umount(folder.constData());
    }
};
#endif

QString leftOutMessage(const QString &archive, const QString &entries)
{
    return "Wingstash unpacked " + archive +
           " but left out these entries: links, devices, names a Windows disk cannot hold, names "
           "that would lie outside the Staging folder, and repeated names.\r\n\r\n" +
           entries;
}

} // namespace

TEST(ArchiveUnpack, WritesFoldersAndFilesBelowStagingWithTheirNames)
{
    const QByteArray large = noise(200 * 1024); // several reads and progress steps
    const struct {
        const char *what;
        QList<ArchiveEntry> entries;
        QStringList expected;
        QString leftOut = {};
    } cases[]{
        {"plain add-on",
         {{"Aircraft/cub.air", large}, {"Panel/panel.cfg", "[Window00]"}, {"readme.txt"}},
         {"Aircraft/", "Aircraft/cub.air", "Panel/", "Panel/panel.cfg", "readme.txt"}},
        {"one top folder stays",
         {{"Cub", {}, ArchiveEntry::Folder}, {"Cub/./cub.air"}},
         {"Cub/", "Cub/cub.air"}},
        {"UTF-8 name", {{"Texture/Ü.bmp"}}, {"Texture/", "Texture/Ü.bmp"}},
        {"DOS separators, folders matched ignoring case",
         {{"Panel\\a.bmp"}, {"PANEL/b.bmp"}, {"panel/a.BMP"}},
         {"Panel/", "Panel/a.bmp", "Panel/b.bmp"},
         "panel/a.BMP"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Unpacking unpacking;
        if (!c.leftOut.isEmpty()) {
            unpacking.test.messages.expectOk(leftOutMessage("add-on.zip", c.leftOut));
        }
        EXPECT_TRUE(UnpackIntoStaging(unpacking.test, unpacking.archive("add-on.zip", c.entries)));
        EXPECT_EQ(unpacking.staging(), c.expected);
        for (const ArchiveEntry &entry : c.entries) {
            if (!entry.content.isEmpty()) {
                EXPECT_EQ(unpacking.tree.read("Staging/" + entry.name), entry.content);
            }
        }
        EXPECT_FALSE(unpacking.test.progress.visible);
    }
}

TEST(ArchiveUnpack, ReadsNamesWithoutTheUtf8FlagAsDosCodePage437WhateverTheLocale)
{
    Unpacking unpacking;
    const QString archive = unpacking.archive("dos.zip", {{"@BER.TXT", "x"}});
    patch(archive, [](QByteArray &bytes) { bytes.replace('@', '\x9A'); }); // 0x9A is Ü
    const std::string locale = setlocale(LC_CTYPE, nullptr);
    setlocale(LC_CTYPE, "C");
    EXPECT_TRUE(UnpackIntoStaging(unpacking.test, archive));
    setlocale(LC_CTYPE, locale.c_str());
    EXPECT_EQ(unpacking.staging(), QStringList{"ÜBER.TXT"});
}

TEST(ArchiveUnpack, NothingReachesOutsideStagingAndEveryEntryLeftOutIsNamed)
{
    Unpacking unpacking;
    const QString outside = unpacking.tree.path("Sibling/");
    unpacking.tree.link("Staging/.hidden", outside); // left by an earlier clearing, unseen
    const QString archive =
        unpacking.archive("hostile.zip", {{"good.txt"},
                                          {"../evil.txt"},
                                          {"Panel/../../evil.txt"},
                                          {outside + "absolute.txt"},
                                          {"a:b.txt"},
                                          {"Aux.cfg"},
                                          {"dot."},
                                          {"out", {}, ArchiveEntry::Link, outside},
                                          {"out/through.txt", "x"},
                                          {".hidden/through.txt", "x"}});
    unpacking.test.messages.expectOk(leftOutMessage(
        "hostile.zip",
        "../evil.txt\r\nPanel/../../evil.txt\r\n" + outside +
            "absolute.txt\r\na:b.txt\r\nAux.cfg\r\ndot.\r\nout\r\n.hidden/through.txt"));
    EXPECT_TRUE(UnpackIntoStaging(unpacking.test, archive));
    EXPECT_EQ(unpacking.staging(), (QStringList{".hidden", "good.txt", "out/", "out/through.txt"}));
    EXPECT_EQ(entriesBelow(outside), QStringList{"keep.txt"});
    EXPECT_EQ(entriesBelow(unpacking.tree.root()).filter("evil"), QStringList{});
}

TEST(ArchiveUnpack, RefusedOrBrokenArchivesLeaveStagingEmpty)
{
    const auto stored = [](Unpacking &u) {
        return u.archive("broken.zip", {{"a.bin", noise(40000)}, {"b.bin", noise(40001)}},
                         "zip:compression=store");
    };
    const QString damaged = "The archive broken.zip is damaged or incomplete.  Nothing from it was "
                            "kept in the Staging folder.";
    const struct {
        const char *what;
        std::function<QString(Unpacking &)> make;
        QString message;
        bool refusedBeforeWriting = true;
    } cases[]{
        {"truncated",
         [&](Unpacking &u) {
             const QString path = stored(u);
             patch(path, [](QByteArray &bytes) { bytes.truncate(60000); });
             return path;
         },
         damaged},
        {"the second file's data damaged, after the first was written",
         [&](Unpacking &u) {
             const QString path = stored(u);
             patch(path, [](QByteArray &bytes) { bytes[bytes.indexOf(noise(40001))] ^= 1; });
             return path;
         },
         damaged, false},
        {"a thousand-fold expansion",
         [](Unpacking &u) {
             return u.archive("bomb.tar.bz2", {{"zeros.bin", QByteArray(4 << 20, '\0')}});
         },
         "The archive bomb.tar.bz2 would unpack to more than a thousand times its own size, as "
         "harmful archives do.  Nothing from it was kept in the Staging folder."},
        {"no archive at all",
         [](Unpacking &u) {
             u.tree.file("Downloads/notes.zip", "just some text");
             return u.tree.path("Downloads/notes.zip");
         },
         "Wingstash cannot read notes.zip as an archive.  Nothing was unpacked."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Unpacking unpacking;
        const QString archive = c.make(unpacking);
        unpacking.test.messages.expectOk(c.message);
        UnpackIntoStaging(unpacking.test, archive);
        EXPECT_EQ(unpacking.staging(), QStringList{});
        EXPECT_EQ(unpacking.test.progress.maximum, c.refusedBeforeWriting ? 0 : 100);
    }
}

TEST(ArchiveUnpack, AnArchiveHoldingOnlyAnArchiveOffersToUnpackItInItsPlace)
{
    for (const bool yes : {true, false}) {
        Unpacking unpacking;
        writeArchive(unpacking.tree.path("Downloads/inner.zip"), {{"Cub/cub.air", "air"}});
        const QString outer = unpacking.archive(
            "outer.zip", {{"inner.zip", unpacking.tree.read("Downloads/inner.zip")}});
        unpacking.test.messages.expectYesNo(
            "The archive outer.zip holds only another archive, inner.zip.  Unpack inner.zip too?",
            yes);
        EXPECT_TRUE(UnpackIntoStaging(unpacking.test, outer));
        EXPECT_EQ(unpacking.staging(),
                  (yes ? QStringList{"Cub/", "Cub/cub.air"} : QStringList{"inner.zip"}));
    }
}

TEST(ArchiveUnpack, StagingHoldingFilesIsClearedOnlyWhenTheUserAgrees)
{
    for (const bool ok : {true, false}) {
        Unpacking unpacking;
        unpacking.tree.file("Staging/Old/old.air");
        const QString archive = unpacking.archive("new.zip", {{"new.air"}});
        unpacking.test.messages.expectOkCancel(
            "The Staging folder already holds files.  Unpacking new.zip among them would mix two "
            "add-ons.\r\n\r\nOK removes everything from the Staging folder first; Cancel leaves "
            "it as it is and unpacks nothing.",
            ok);
        EXPECT_EQ(UnpackIntoStaging(unpacking.test, archive), ok);
        EXPECT_EQ(unpacking.staging(),
                  (ok ? QStringList{"new.air"} : QStringList{"Old/", "Old/old.air"}));
    }
}

TEST(ArchiveUnpack, ContentsLargerThanTheFreeSpaceAreRefusedBeforeWriting)
{
#if defined(__linux__)
    Unpacking unpacking;
    const SmallDisk disk(unpacking.tree.path("Staging"));
    if (!disk.mounted)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (it needs root)";
    const QString archive = unpacking.archive("large.zip", {{"a.bin", noise(200 * 1024)}});
    unpacking.test.messages.expectOk("The contents of large.zip do not fit in the free space of "
                                     "the Staging folder's disk.  Nothing was unpacked.");
    UnpackIntoStaging(unpacking.test, archive);
    EXPECT_EQ(unpacking.staging(), QStringList{});
#else
    GTEST_SKIP() << "a small disk is mounted on Linux only";
#endif
}
