#include "install/CfgUsers.h"
#include "install/PackageCopy.h"
#include "package/FolderLayout.h"
#include "support/StoreFixture.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// Gauges of the removed package, as the store lists them.
void packageGauges(TestContext &tc, const QStringList &names)
{
    FileList gauges;
    for (const QString &name : names)
        gauges.append({"/store/p/gauges/" + name, "/store/p/Gauges/" + name});
    tc.state.ComponentFiles.at(Gauges) = gauges;
}

TEST(GaugesTest, ReadingEachPanelOnceDecidesAsSearchingPerGaugeDoes)
{
    StoreFixture fx;
    fx.tree.folder("MSFS/Gauges");
    QRandomGenerator random(7);
    QStringList names;
    for (int g = 0; g < 80; ++g)
        names.append(QStringLiteral("g%1.gau").arg(g));
    for (int a = 0; a < 25; ++a) {
        QByteArray panel = "[Vcockpit01]\r\n";
        for (int line = 0; line < 6; ++line)
            panel += "gauge0" + QByteArray::number(line) + "=G" +
                     QByteArray::number(random.bounded(200)) + "!x\r\n";
        fx.tree.file(QStringLiteral("MSFS/Aircraft/A%1/Panel/panel.cfg").arg(a), panel);
    }
    QList<bool> expected;
    for (const QString &name : names) {
        fx.tree.file("MSFS/Gauges/" + name, "g");
        expected.append(FindCfgUsers(fx.test, FolderLayout(fx.test.state).aircraftFolder(),
                                     "panel.cfg", name.section('.', 0, 0), false));
    }
    ASSERT_TRUE(expected.contains(true) && expected.contains(false));

    packageGauges(fx.test, names);
    ProcessGauges(fx.test, 2);

    for (qsizetype g = 0; g < names.size(); ++g)
        EXPECT_EQ(fx.tree.exists("MSFS/Gauges/" + names[g]), expected[g]) << g;
}

} // namespace
