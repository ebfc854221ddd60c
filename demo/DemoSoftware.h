#pragma once
// The vehicle software of the bundled demo installation: invented regions, makers, families and
// versions, each in English and most in German, with their vehicle databases. Their display names
// stand in demo/Config.xml, their logos are drawn by demo/draw_logos.py.
#include <cstddef>
#include <vector>

#include "SoftwareFolder.h"

// The database version the stand-in diagnostic program announces in its demo.
constexpr double kDemoDatabaseVersion = 3.25;

// One invented software folder and what it covers, in English and, unless `german` is false, in
// German; its versions oldest first. The newest version heads its language folders' descriptions.
struct DEMO_ENTRY {
    const wchar_t* region;  // "PRO" for a family
    const wchar_t* folder;
    int testCount;          // -1 for a family
    bool german;
    const char* english;
    const char* germanText;
    std::vector<const char*> versions;
};

SOFTWARE_FOLDER DemoSoftwareFolder(const DEMO_ENTRY& entry);

// The software installed in the demo installation.
std::vector<SOFTWARE_FOLDER> DemoSoftware();

// `count` further makers, spread over the demo's regions, for measuring how start-up grows with
// the installed software: each speaks English, has one version folder and no logo; their display
// names are their folder names "Bench0001" onwards.
std::vector<SOFTWARE_FOLDER> DemoMakers(size_t count);
