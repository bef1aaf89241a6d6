#pragma once
// One night's band from 12:00 to 12:00 on the local clock: the Sun's
// shades (day, civil, nautical and astronomical twilight, night), the
// dark-and-no-Moon pieces and the Moon's time up, as spans of clock hours
// computed from the month model.  No layout: the Nights page, the year
// chart and the window place the spans themselves.
#include <array>
#include <vector>

#include "month/nights.h"
#include "render/surface.h"

namespace render {

// Day: the Sun above -50'; Civil: between -50' and -6 degrees; Nautical:
// -6 to -12; Astronomical: -12 to -18; Night: below -18; Dark: a
// dark-and-no-Moon piece of the night; Moon: the Moon above its horizon.
enum class BandKind { Day, Civil, Nautical, Astronomical, Night, Dark, Moon };
inline constexpr std::size_t kBandKinds = 7;

struct BandSpan {
    double fromHour = 0;  // clock hours after the evening's 12:00 (0..24)
    double toHour = 0;
    BandKind kind = BandKind::Day;
    // 1 for the Sun's shades and the dark; for the Moon its illuminated
    // fraction at local midnight (0..1).
    double strength = 1;
    // For a Moon span: the shade under it (a Sun kind or Dark); Moon spans
    // are cut where that shade changes.
    BandKind under = BandKind::Day;
};

struct NightBand {
    // First the Sun's spans, in time order, tiling 0..24; then the dark
    // pieces; then the Moon's spans.
    std::vector<BandSpan> spans;
    double realHours = 24;  // hours from noon to the next noon (23 or 25 over a clock change)
    double clockShift = 0;  // hours the clock moves during the night (+1 forward, -1 back)
};

// The band of night `n`, whose days are in `m` (its evening) and `next`
// (the month after, for the last night's morning).  Instants map to the
// clock in force at them: over a clock change one clock hour is missing
// or counted twice, and the spans are where the clock shows them.
NightBand NightBandOf(const month::Night& n, const month::Month& m, const month::Month& next);

// The shades of the Nights page by kind (Moon: its full shade).
struct NightShades {
    std::array<Color, kBandKinds> kind{};
    double moonHeight = 0.4;  // the Moon band's height, in parts of the bar
    // The Moon band's colour over `under`: from that shade toward the full
    // Moon shade by the illuminated fraction (a thin crescent is faint).
    Color moonOver(BandKind under, double fraction) const;
    Color of(BandKind k) const { return kind[static_cast<std::size_t>(k)]; }
};
// Screen and paper: greys from the day (200) through civil and nautical to
// astronomical twilight (100), night near black, the dark all but black,
// the Moon yellow.  The ink saver: light greys that stay apart in grayscale, the
// dark the deepest of them, the Moon a dark grey.
NightShades NightPageShades(bool inkSaver);

// The key's word of each kind ("day", "civil", ...).
const char* BandWord(BandKind k);

}  // namespace render
