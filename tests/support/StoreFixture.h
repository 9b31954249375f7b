#pragma once

#include "TestContext.h"
#include "TreeBuilder.h"

// A store and a simulator folder (with its "Aircraft" folder) side by side in one temporary
// tree, set as the locations of a test context.
struct StoreFixture {
    TreeBuilder tree;
    TestContext test;

    StoreFixture()
    {
        tree.folder("Stowbay").folder("MSFS/Aircraft");
        test.state.StowbayDir = tree.path("Stowbay/");
        test.state.MsfsDir = tree.path("MSFS/");
    }
};
