#pragma once
// Finding and ending other processes of the machine.

// Ends the first running process (in the system's snapshot order) whose executable name, upper-cased,
// equals `upperCaseName`. True when one was ended.
bool EndFirstProcessNamed(const wchar_t* upperCaseName);
