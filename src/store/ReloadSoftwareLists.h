#pragma once
// Rebuilds the vehicle-software lists from "Scan\" and "Scan\PRO\" after software was installed or
// removed, clears the request for it, and asks both choosers to rebuild their icon pages on their
// next show.
void ReloadSoftwareLists();
