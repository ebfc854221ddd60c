#pragma once
// The name and unit of a live-data item given by id, from the live-data text database: a plain
// database (a record of name and unit) or a packed one (".dat", one text per key; the unit is the
// text under the item's second field).
#include <string>

#include "DbFile.h"
#include "RdsFrames.h"

// Narrow texts, as the database holds them.
struct RDS_ITEM_NAMES {
    std::string name;
    std::string unit;
    bool found = false;  // the database holds the item
};

// Whether a database name names a packed database: at least five characters ending in ".dat".
bool IsPackedRdsDatabase(const std::wstring& name);

// Looks the item up. An item the database lacks is named "????", and so is its unit in id layout 0;
// in id layout 1 an unpacked database, or a missing item, gives the second field's bytes as unit.
RDS_ITEM_NAMES NameRdsItem(CDbFile& texts, const RDS_ITEM& item, uint8_t idLayout, bool packed);
