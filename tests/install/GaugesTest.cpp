#include "install/CfgUsers.h"
#include "install/PackageCopy.h"
#include "package/FolderLayout.h"
#include "support/StoreFixture.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// Base names that are the start of longer ones ("g1" of "g17") and mentions in any case: reading
// every panel.cfg once must keep exactly the gauges that searching per gauge keeps.
TEST(GaugesTest, ReadingEachPanelOnceDecidesAsSearchingPerGaugeDoes)
{
    StoreFixture fx;
    QRandomGenerator random(7);
    for (int a = 0; a < 25; ++a) {
        QByteArray panel = "[Vcockpit01]\r\n";
        for (int line = 0; line < 6; ++line)
            panel += "gauge00=G" + QByteArray::number(random.bounded(200)) + "!x\r\n";
        fx.tree.file(QStringLiteral("MSFS/Aircraft/A%1/Panel/panel.cfg").arg(a), panel);
    }
    FileList gauges;
    QList<bool> used;
    for (int g = 0; g < 80; ++g) {
        const QString name = QStringLiteral("g%1.gau").arg(g);
        fx.tree.file("MSFS/Gauges/" + name, "g");
        gauges.append({"/store/p/gauges/" + name, "/store/p/Gauges/" + name});
        used.append(FindCfgUsers(fx.test, FolderLayout(fx.test.state).aircraftFolder(), "panel.cfg",
                                 name.section('.', 0, 0), false));
    }
    ASSERT_TRUE(used.contains(true) && used.contains(false));

    fx.test.state.ComponentFiles.at(Gauges) = gauges;
    ProcessGauges(fx.test, 2);

    for (int g = 0; g < 80; ++g)
        EXPECT_EQ(fx.tree.exists(QStringLiteral("MSFS/Gauges/g%1.gau").arg(g)), used[g]) << g;
}

} // namespace
