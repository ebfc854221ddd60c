#pragma once
// Text ids of the texts the shell adds of its own. The system's ids and the string files made for
// them fill the blocks 0x1000xxxx to 0x1009xxxx and 0x2000xxxx, and the diagnostic program asks for
// texts by 16-bit ids; an id of ours inside any of those blocks could one day name a text of the
// system's in a real string file, and our notice would show that text instead. Ours stay in a block
// of their own.
#include <cstdint>

namespace shell_text {

constexpr uint32_t kBlock = 0x7F000000;
constexpr uint32_t kPrintingBusy = kBlock + 1;  // another program or view holds the printer
constexpr uint32_t kPrintFailed = kBlock + 2;   // the printer refused the report

}  // namespace shell_text
