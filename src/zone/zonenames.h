#pragma once
// The names of zones as files of the zone folder, for the rest of the zone
// library (the public checks and suggestions are in zone.h).
#include <string>
#include <string_view>

namespace zone {

// True when `name` has the form of a zone's name: 1 to 255 bytes in parts
// parted by "/", each beginning with a capital and made of letters, digits,
// "_", "-" and "+" ("Europe/Vienna", "Etc/GMT+1"; not "posixrules",
// "zone1970.tab").
bool ValidName(std::string_view name);

// The zone file of `name`: ZoneinfoRoot() + "/" + name.
std::string PathOf(std::string_view name);

}  // namespace zone
