#include "bench/TreeGenerator.h"

#include "app/Startup.h"

#include <QDir>
#include <QFile>

#include <array>

namespace bench {

namespace {

// splitmix64: tiny, and the same on every platform (unlike the standard distributions).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int bound) { return int(next() % std::uint64_t(bound)); }

private:
    std::uint64_t state_;
};

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray randomBytes(Random &random, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; i += 8) {
        const std::uint64_t word = random.next();
        for (int b = 0; b < 8 && i + b < size; ++b)
            bytes[i + b] = char(word >> (8 * b));
    }
    return bytes;
}

QByteArray crlfLines(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

struct FileKind {
    const char *folder;  // top folder in the add-on
    const char *endings; // a few endings separated by spaces
    int weight;          // share of the files, in parts of 100
};

// Texture-heavy, as aircraft add-ons are.
constexpr std::array<FileKind, 7> kKinds{{
    {"texture", ".bmp .BMP .oaf", 38},
    {"model", ".mdl .MDL .x", 12},
    {"sound", ".wav .WAV", 16},
    {"panel", ".bmp .gau", 10},
    {"gauges", ".gau .GAU .cab", 8},
    {"documents", ".txt .html .doc .pdf", 8},
    {"pictures", ".jpg .gif .png", 8},
}};

QString pickEnding(Random &random, const char *endings)
{
    const QStringList all = QString::fromLatin1(endings).split(QLatin1Char(' '));
    return all[random.below(int(all.size()))];
}

} // namespace

TreeSizes tinySizes()
{
    return {200, 20, 40, 90, 60, 4};
}

TreeSizes scaledSizes(const TreeSizes &sizes, int factor)
{
    TreeSizes scaled = sizes;
    scaled.addOnFiles *= factor;
    scaled.aircraft *= factor;
    scaled.simulatorGauges *= factor;
    scaled.storePackages *= factor;
    return scaled;
}

QString simulatorGaugeName(int index)
{
    return QStringLiteral("mfd_%1.gau").arg(index, 4, 10, QLatin1Char('0'));
}

int generateAddOn(const QString &root, const TreeSizes &sizes, std::uint64_t seed)
{
    Random random(seed);
    // About one folder per twelve files: each kind's top folder, sets below it, parts below
    // some sets.
    QList<QStringList> folders(kKinds.size());
    const int setsPerKind = qMax(1, sizes.addOnFiles / 12 / 7 / 2);
    for (std::size_t k = 0; k < kKinds.size(); ++k) {
        const QString top = QString::fromLatin1(kKinds[k].folder);
        folders[k] << top;
        for (int set = 0; set < setsPerKind; ++set) {
            const QString setFolder = top + QStringLiteral("/Set %1").arg(set);
            folders[k] << setFolder << setFolder + QStringLiteral("/part a");
        }
    }
    for (const QStringList &kindFolders : folders) {
        for (const QString &folder : kindFolders)
            QDir().mkpath(root + folder);
    }

    QStringList panelBitmaps;
    QStringList gauges;
    QStringList sounds;
    int written = 0;
    for (int i = 0; i < sizes.addOnFiles - 3; ++i) {
        int roll = random.below(100);
        std::size_t k = 0;
        while (roll >= kKinds[k].weight && k + 1 < kKinds.size())
            roll -= kKinds[k++].weight;
        const QStringList &kindFolders = folders[k];
        const QString folder = kindFolders[random.below(int(kindFolders.size()))];
        const QString ending = pickEnding(random, kKinds[k].endings);
        const QString name = QStringLiteral("%1_%2%3")
                                 .arg(QString::fromLatin1(kKinds[k].folder).left(3))
                                 .arg(i, 5, 10, QLatin1Char('0'))
                                 .arg(ending);
        const int size = 1024 + random.below(qMax(1, sizes.largestFileKiB - 1) * 1024);
        writeFile(root + folder + QLatin1Char('/') + name, randomBytes(random, size));
        ++written;
        const QString lower = name.toLower();
        if (lower.endsWith(QLatin1String(".bmp")) && k == 3)
            panelBitmaps << lower;
        else if (lower.endsWith(QLatin1String(".gau")))
            gauges << lower.chopped(4);
        else if (lower.endsWith(QLatin1String(".wav")) && sounds.size() < 20)
            sounds << lower.chopped(4);
    }

    writeFile(root + QStringLiteral("aircraft.cfg"),
              crlfLines({"[fltsim.0]", "title=Bench Heavy Twin", "sim=benchtwin", "model=",
                         "panel=", "sound=", "texture=", "", "[General]", "atc_type=Bench"}));
    QStringList panel{"[Window Titles]", "Window00=Main Panel", "", "[Window00]"};
    for (const QString &bitmap : panelBitmaps.mid(0, 4))
        panel << QStringLiteral("file=") + bitmap;
    for (int g = 0; g < gauges.size() && g < 40; ++g)
        panel << QStringLiteral("gauge%1=%2!Needle, 10,10,60,60").arg(g).arg(gauges[g]);
    writeFile(root + QStringLiteral("panel/panel.cfg"), crlfLines(panel));
    QStringList sound;
    for (int s = 0; s < sounds.size(); ++s)
        sound << QStringLiteral("[SOUND_%1]").arg(s) << QStringLiteral("filename=") + sounds[s];
    writeFile(root + QStringLiteral("sound/sound.cfg"), crlfLines(sound));
    return written + 3;
}

void generateSimulator(const QString &root, const TreeSizes &sizes, std::uint64_t seed)
{
    Random random(seed);
    const int usedGauges = sizes.simulatorGauges * 2 / 3;
    QDir().mkpath(root + QStringLiteral("Gauges"));
    QDir().mkpath(root + QStringLiteral("Sound"));
    for (int g = 0; g < sizes.simulatorGauges; ++g)
        writeFile(root + QStringLiteral("Gauges/") + simulatorGaugeName(g), "MZ gauge");

    for (int a = 0; a < sizes.aircraft; ++a) {
        const QString dir = root + QStringLiteral("Aircraft/Bench Aircraft %1/").arg(a);
        for (const char *sub : {"panel", "model", "texture", "sound"})
            QDir().mkpath(dir + QString::fromLatin1(sub));
        writeFile(dir + QStringLiteral("aircraft.cfg"),
                  crlfLines({"[fltsim.0]", QStringLiteral("title=Bench Aircraft %1").arg(a),
                             "sim=bench", "model=", "panel=", "sound=", "texture="}));
        writeFile(dir + QStringLiteral("bench.air"), "AIR");
        writeFile(dir + QStringLiteral("model/bench.mdl"), "MDL");
        writeFile(dir + QStringLiteral("texture/bench_t.bmp"), "BM");
        writeFile(dir + QStringLiteral("sound/sound.cfg"), "[fltsim]\r\n");
        // About 130 lines: window sections with their settings and 40 gauges.
        QStringList panel{"[Window Titles]"};
        for (int w = 0; w < 8; ++w)
            panel << QStringLiteral("Window%1=Window %1").arg(w);
        for (int w = 0; w < 8; ++w) {
            panel << "" << QStringLiteral("[Window%1]").arg(w, 2, 10, QLatin1Char('0'))
                  << QStringLiteral("file=bench_panel%1.bmp").arg(w) << "size_mm=640,480"
                  << "position=7"
                  << "visible=1"
                  << "ident=MAIN_PANEL"
                  << "window_size=1.0,1.0"
                  << "window_pos=0.0,0.0"
                  << "// instruments below";
            for (int g = w * sizes.gaugesPerPanel / 8; g < (w + 1) * sizes.gaugesPerPanel / 8;
                 ++g) {
                const QString gauge = simulatorGaugeName(random.below(usedGauges)).chopped(4);
                panel << QStringLiteral("gauge%1=%2!Needle_%3, %4,%5,60,60")
                             .arg(g, 2, 10, QLatin1Char('0'))
                             .arg(gauge.toUpper())
                             .arg(g)
                             .arg(random.below(600))
                             .arg(random.below(400));
            }
        }
        writeFile(dir + QStringLiteral("panel/panel.cfg"), crlfLines(panel));
    }
}

void generateStore(const QString &root, const TreeSizes &sizes, std::uint64_t seed)
{
    Random random(seed);
    const QStringList &categories = defaultCategories();
    for (const QString &category : categories)
        QDir().mkpath(root + category);
    for (int p = 0; p < sizes.storePackages; ++p) {
        const QString category = categories[random.below(int(categories.size()))];
        // Every tenth package is also installed (the simulator's aircraft have these names).
        const QString name = p % 10 == 0 ? QStringLiteral("Bench Aircraft %1").arg(p / 10)
                                         : QStringLiteral("Stored Package %1").arg(p);
        const QString dir = root + category + QLatin1Char('/') + name + QLatin1Char('/');
        QDir().mkpath(dir);
        writeFile(dir + QStringLiteral("aircraft.cfg"), "[fltsim.0]\r\ntitle=x\r\n");
        writeFile(dir + QStringLiteral("preview.jpg"), "JPG");
    }
}

} // namespace bench
