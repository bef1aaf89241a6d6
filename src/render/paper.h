#pragma once
// The papers a month page is laid out on, by the printer's paper-size and
// orientation codes, and their sizes in millimetres.
#include <optional>
#include <utility>

namespace render {

inline constexpr int kPaperCodeLetter = 1;   // US Letter, 8.5 x 11 inches
inline constexpr int kPaperCodeA4 = 9;       // DIN A4
inline constexpr int kPaperCodeOther = 256;  // any other paper
inline constexpr int kOrientationCodePortrait = 1;
inline constexpr int kOrientationCodeLandscape = 2;

struct PaperMm {
    double width = 0;   // millimetres across the page as it is printed
    double height = 0;  // millimetres down
};

// The sheet in millimetres for a paper and orientation code; empty for a
// paper other than US Letter and DIN A4.
inline std::optional<PaperMm> PaperSizeMm(int paperCode, int orientationCode) {
    PaperMm p;
    if (paperCode == kPaperCodeLetter) {
        p = {8.5 * 25.4, 279.4};
    } else if (paperCode == kPaperCodeA4) {
        p = {210, 297};
    } else {
        return std::nullopt;
    }
    if (orientationCode == kOrientationCodeLandscape) std::swap(p.width, p.height);
    return p;
}

}  // namespace render
