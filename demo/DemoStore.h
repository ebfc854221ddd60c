#pragma once
// The software store of the demo installation: what the loopback web service (WebService.exe, which
// scripts/run starts on the address in demo/Config.xml) offers. demo/generate writes the folder it
// serves, the web root, beside the installation:
//   Interface/productList.aspx@LanguageCode=<EN|DE>&iType=<1|2>  the product lists, for every
//                                                                serial number (1 makers, 2 families)
//   Interface/getTxt.aspx@swuID=<id>&flag=<1|2>                 each record's two texts: what the
//                                                                software covers, what is new
//   packages/<Code>_V<version>.7z                                the packages; the records' MainPath
//                                                                is "E:\StoreSite\packages\", below
//                                                                the site folder that "Config.xml"
//                                                                names (SITEFOLDER)
// A package holds "Scan\<Region>\<Code>\..." as a program folder holds it, so unpacked into the
// program folder it is installed software, with its diagnostic program and databases.
#include <filesystem>
#include <string>
#include <vector>

#include "DemoSoftware.h"

struct STORE_OFFER {
    int listType;         // 1: a maker, listed for iType 1; 2: a family, listed for iType 2
    DEMO_ENTRY software;  // what its package installs; its newest version is the version offered
    int uploadId;         // SoftwareUploadid of the English record; the German record's is 1000 more
    const char* news;     // the second text, in English and in German
    const char* germanNews;
};

// Against the installed demo software: Tessaline and Lightline at their installed versions, an
// update of Brannoc, and Marrowick, Tovaldi and Roadline not installed.
std::vector<STORE_OFFER> DemoStoreOffers();

// The archive's file name: "<Code>_V<version>.7z".
std::wstring PackageFileName(const STORE_OFFER& offer);

// Writes the web root's replies and, below `staging`, one folder per package named like its archive
// without ".7z", holding what the package contains (each version folder with `makerProgram` as
// "MAKER.exe"). The archives themselves are made from those folders by the bundled archiver. An
// empty text on success, else what failed.
std::string WriteDemoStore(const std::filesystem::path& webRoot, const std::filesystem::path& staging,
                           const std::filesystem::path& makerProgram);
