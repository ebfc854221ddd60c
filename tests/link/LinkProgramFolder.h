#pragma once
// A program folder holding the stand-in "Link.dll" that the transport loads, set as the program's
// folder outside Demo Mode, with the link not yet opened by this process.
#include <filesystem>

#include "LinkTransport.h"
#include "ProcessValues.h"
#include "ProgramRun.h"

inline void PrepareLinkProgramFolder(const std::filesystem::path& program)
{
    std::filesystem::create_directories(program);
    std::filesystem::copy_file(BuildProgramFolder() / "Link.dll", program / "Link.dll");
    ResSetAppDir(program.wstring() + L"\\");
    ResSetRunModeFlag(L"0");
    LinkForgetFirstOpenForTest();
}
