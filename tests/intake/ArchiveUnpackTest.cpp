#include "intake/ArchiveUnpack.h"

#include "support/ArchiveWriter.h"
#include "support/PackageTestHelpers.h"
#include "support/TestContext.h"

#include <QFile>

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <memory>
#include <string>

#if defined(__linux__)
#include <sys/mount.h>
#endif

namespace {

using Change = std::function<void(QByteArray &)>;

// A Staging folder, a downloads folder for the archives and a sibling folder nothing may reach.
struct Unpacking {
    TreeBuilder tree;
    TestContext test;
    Unpacking()
    {
        tree.folder("Staging").folder("Downloads").file("Sibling/keep.txt", "keep");
        test.state.StagingDir = tree.path("Staging/");
    }
    // Writes an archive into Downloads, then changes its bytes when asked.
    QString archive(const QString &name, const QList<ArchiveEntry> &entries,
                    const Change &change = {}, const char *options = nullptr)
    {
        const QString path = tree.path("Downloads/" + name);
        writeArchive(path, entries, options);
        if (change) {
            QByteArray bytes = tree.read("Downloads/" + name);
            change(bytes);
            tree.file("Downloads/" + name, bytes);
        }
        return path;
    }
    QStringList staging() const { return entriesBelow(tree.path("Staging")); }
};

} // namespace

TEST(ArchiveUnpack, WritesFoldersAndFilesBelowStagingWithTheirNamesWhateverTheLocale)
{
    const QByteArray large = noise(200 * 1024); // several reads and progress steps
    const struct {
        const char *what;
        QList<ArchiveEntry> entries;
        QStringList expected;
        QString leftOut = {};
        Change change = {};
    } cases[]{
        {"plain add-on",
         {{"Panel/panel.cfg", "[Window00]"}, {"Readme.txt"}, {"Texture/cub.bmp", large}},
         {"Panel/", "Panel/panel.cfg", "Readme.txt", "Texture/", "Texture/cub.bmp"}},
        {"one top folder stays",
         {{"Cub", {}, ArchiveEntry::Folder}, {"Cub/./cub.air"}},
         {"Cub/", "Cub/cub.air"}},
        {"UTF-8 name, one byte", {{"Texture/Ü.bmp", "x"}}, {"Texture/", "Texture/Ü.bmp"}},
        {"DOS name without the UTF-8 flag: 0x9A is Ü in code page 437",
         {{"@BER.TXT"}},
         {"ÜBER.TXT"},
         {},
         [](QByteArray &bytes) { bytes.replace('@', '\x9A'); }},
        {"DOS separators, folders matched ignoring case, a repeated name",
         {{"Panel\\a.bmp"}, {"PANEL/b.bmp"}, {"panel/a.BMP"}},
         {"Panel/", "Panel/a.bmp", "Panel/b.bmp"},
         "panel/a.BMP"},
        {"a Mac's Finder files are skipped without a word",
         {{"__MACOSX/._Readme.txt"},
          {"__MACOSX/Cub/._Icon\r"},
          {".DS_Store"},
          {"Cub/__MACOSX", {}, ArchiveEntry::Folder},
          {"Cub/.DS_Store"},
          {"Cub/cub.air", "air"}},
         {"Cub/", "Cub/cub.air"}},
    };
    const std::string locale = setlocale(LC_CTYPE, nullptr);
    setlocale(LC_CTYPE, "C");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Unpacking unpacking;
        if (!c.leftOut.isEmpty()) {
            unpacking.test.messages.expectOk(c.leftOut);
        }
        EXPECT_TRUE(UnpackIntoStaging(unpacking.test,
                                      unpacking.archive("add-on.zip", c.entries, c.change)));
        EXPECT_EQ(unpacking.staging(), c.expected);
        EXPECT_EQ(unpacking.tree.read("Staging/" + c.expected.last()), c.entries.last().content);
        EXPECT_FALSE(unpacking.test.progress.visible);
        EXPECT_EQ(unpacking.test.progress.value, c.entries.last().content.isEmpty() ? 0 : 100);
    }
    setlocale(LC_CTYPE, locale.c_str());
}

TEST(ArchiveUnpack, NothingReachesOutsideStagingAndEveryEntryLeftOutIsNamed)
{
    Unpacking unpacking;
    const QString outside = unpacking.tree.path("Sibling/");
    unpacking.tree.link("Staging/.hidden", outside); // hidden: clearing Staging leaves it
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
    unpacking.test.messages.expectOk("../evil.txt\r\nPanel/../../evil.txt\r\n" + outside +
                                     "absolute.txt\r\na:b.txt\r\nAux.cfg\r\ndot.\r\nout\r\n"
                                     ".hidden/through.txt");
    EXPECT_TRUE(UnpackIntoStaging(unpacking.test, archive));
    EXPECT_EQ(unpacking.staging(), (QStringList{".hidden", "good.txt", "out/", "out/through.txt"}));
    EXPECT_EQ(entriesBelow(outside), QStringList{"keep.txt"});
    EXPECT_EQ(entriesBelow(unpacking.tree.root()).filter("evil"), QStringList{});
}

TEST(ArchiveUnpack, AnArchiveHoldingOnlyAnArchiveOffersToUnpackItInItsPlace)
{
    const QList<ArchiveEntry> addOn{{"Cub/cub.air", "air"}};
    // Stored, the zeros make an inner archive as large as its contents, which the outer one
    // deflates several hundred times: each archive keeps within a thousand times its own size,
    // the two together do not.
    const QList<ArchiveEntry> zeros{{"zeros.bin", QByteArray(512 * 1024, '\0')}};
    const struct {
        const char *what;
        QList<ArchiveEntry> inner;
        bool yes;
        QStringList expected;
        const char *innerOptions = nullptr;
        bool tooLarge = false;
    } cases[]{
        {"yes", addOn, true, {"Cub/", "Cub/cub.air"}},
        {"no", addOn, false, {"inner.zip"}},
        {"a chain held to the outer archive's size",
         zeros,
         true,
         {"inner.zip"},
         "zip:compression=store",
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Unpacking unpacking;
        unpacking.archive("inner.zip", c.inner, {}, c.innerOptions);
        const QByteArray inner = unpacking.tree.read("Downloads/inner.zip");
        const QString outer = unpacking.archive("outer.zip", {{"inner.zip", inner}});
        const qint64 outerSize = QFile(outer).size();
        ASSERT_LT(inner.size(), 1000 * outerSize);
        unpacking.test.messages.expectYesNo("inner.zip", c.yes);
        if (c.tooLarge) {
            ASSERT_GT(inner.size() + c.inner.first().content.size(), 1000 * outerSize);
            unpacking.test.messages.expectOk("inner.zip");
        }
        EXPECT_TRUE(UnpackIntoStaging(unpacking.test, outer));
        EXPECT_EQ(unpacking.staging(), c.expected);
    }
}

TEST(ArchiveUnpack, StagingHoldingFilesIsClearedOnlyWhenTheUserAgreesAndNeverForItsOwnArchive)
{
    Unpacking inside;
    writeArchive(inside.tree.path("Staging/in.zip"), {{"a.txt"}});
    inside.test.messages.expectOk("in.zip");
    EXPECT_FALSE(UnpackIntoStaging(inside.test, inside.tree.path("Staging/in.zip")));
    EXPECT_EQ(inside.staging(), QStringList{"in.zip"});

    for (const bool ok : {true, false}) {
        Unpacking unpacking;
        unpacking.tree.file("Staging/Old/old.air");
        unpacking.test.messages.expectOkCancel("new.zip", ok);
        EXPECT_EQ(UnpackIntoStaging(unpacking.test, unpacking.archive("new.zip", {{"new.air"}})),
                  ok);
        EXPECT_EQ(unpacking.staging(),
                  (ok ? QStringList{"new.air"} : QStringList{"Old/", "Old/old.air"}));
    }
}

#if defined(__linux__)
TEST(ArchiveUnpack, ContentsLargerThanTheFreeSpaceAreRefusedBeforeWriting)
{
    Unpacking unpacking;
    const QByteArray staging = QFile::encodeName(unpacking.tree.path("Staging"));
    if (mount("tmpfs", staging.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (it needs root)";
    const std::unique_ptr<const char, int (*)(const char *)> unmount(staging.constData(), umount);
    unpacking.test.messages.expectOk("large.zip");
    UnpackIntoStaging(unpacking.test,
                      unpacking.archive("large.zip", {{"a.bin", noise(200 * 1024)}}));
    EXPECT_EQ(unpacking.staging(), QStringList{});
}
#endif
