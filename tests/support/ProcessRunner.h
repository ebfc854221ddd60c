#pragma once
#include <string>

// Runs a program that lies beside the test executable, waits at most `timeoutMs`, and returns its
// exit code (-1 when it could not be started or did not end in time, in which case it is ended).
int RunSiblingProgram(const std::wstring& program, const std::wstring& arguments, unsigned timeoutMs = 30000);
