#pragma once
// Whether the PC is on the vehicle interface's Wi-Fi network. The system's wireless service is
// reached through this narrow interface: Wine's service is a stub, so tests supply the answer.
#include <functional>
#include <string>

// True when an interface of the system is connected to the network named `ssid` (compared byte for
// byte in the thread's code page).
bool IsConnectedToWifiNetwork(const std::string& ssid);

// A test answers the question instead of the system (empty function: the system again).
void UseWifiAnswerForTest(std::function<bool(const std::string&)> answer);
