#pragma once
// The settings file's optional lines from line 15 on: "name=value" in any
// order.  The names this version knows set fields of the record; every
// other line is kept as it stands and written back after them.
#include <string>
#include <vector>

#include "settings/settings.h"

namespace settings {

// Reads the lines after the fourteenth (without their line ends) into
// `s`: view=days|nights|year, darkness=astronomical|nautical|civil,
// moon-max=N (a decimal number from 0 to 100) and
// ephemeris=standard|precise, blanks around the name and the value aside.
// A later line of a name overrides an earlier one.  A known name with a
// value this version does not take leaves the field as it is (the
// default) and is kept like an unknown line, so that a value written by a
// newer version survives; empty lines are dropped.  The fields not named
// keep their defaults and otherLines is replaced.
void ReadNamedLines(const std::vector<std::string>& lines, Settings& s);

// The lines after the fourteenth for `s`, each ended by CR LF: the known
// fields whose value differs from the default (in the order above, the
// number in the file's number form without its sign blank: "moon-max=.5"),
// then otherLines, except those of a name just written, whose new value
// replaces them.  Empty for a record with every known field at its default
// and no other lines.
std::string NamedLinesText(const Settings& s);

}  // namespace settings
