#pragma once

// The status-bar notices of the main window: nine fixed lines, each recommending a book,
// one of which is drawn at random on every Calcula together with a text colour and a
// background. Standard C++ only; the window turns the colours into its own.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace zarn {

// A colour: blue, green and red as 0x00BBGGRR, or, with the high bit set, a reference to a
// system colour by its index, resolved when the colour is applied.
using ColorValue = std::uint32_t;

inline constexpr ColorValue kSystemColorFlag = 0x80000000u;
inline constexpr int kSystemWindowColorIndex = 5;
inline constexpr int kSystemMenuColorIndex = 4;

inline constexpr ColorValue kBlack = 0x000000u;
inline constexpr ColorValue kBlue = 0xFF0000u;
inline constexpr ColorValue kRed = 0x0000FFu;
inline constexpr ColorValue kSilver = 0xC0C0C0u;
inline constexpr ColorValue kWhite = 0xFFFFFFu;
inline constexpr ColorValue kSystemWindowColor = kSystemColorFlag | kSystemWindowColorIndex;
inline constexpr ColorValue kSystemMenuColor = kSystemColorFlag | kSystemMenuColorIndex;

inline constexpr std::array<ColorValue, 3> kNoticeTextColors = {kBlack, kBlue, kRed};
inline constexpr std::array<ColorValue, 4> kNoticeBackColors = {kSilver, kWhite, kSystemWindowColor,
                                                                kSystemMenuColor};

constexpr bool IsSystemColor(ColorValue color) {
    return (color & kSystemColorFlag) != 0;
}
constexpr int SystemColorIndex(ColorValue color) {
    return static_cast<int>(color & ~kSystemColorFlag);
}
constexpr int RedOf(ColorValue color) {
    return static_cast<int>(color & 0xFFu);
}
constexpr int GreenOf(ColorValue color) {
    return static_cast<int>((color >> 8) & 0xFFu);
}
constexpr int BlueOf(ColorValue color) {
    return static_cast<int>((color >> 16) & 0xFFu);
}

inline constexpr int kNoticeCount = 9;

// The nine notice lines, by position 1 to 9 (index 0 to 8), leading spaces included.
// Windows-1252 texts.
const std::array<std::string, kNoticeCount>& NoticeLines();

// The text of the notice at a position 1..9.
const std::string& NoticeLine(int position);

// The position 1..9 that a draw 0..8 selects.
int NoticePosition(int noticeDraw);

// The clock behind the seeding: milliseconds since midnight UTC, 0 to 86 399 999.
using MillisecondsClock = std::function<std::uint32_t()>;

// The system clock's milliseconds since midnight UTC.
std::uint32_t SystemMillisecondsSinceMidnightUtc();

// Replaces the clock that seeding reads; an empty function restores the system clock.
void SetNoticeClock(MillisecondsClock clock);

// The one random seed of the process.
std::uint32_t& NoticeSeed();

// Sets the seed from the clock.
void SeedFromClock();

// Advances the seed and returns a number below n (n > 0).
std::uint32_t DrawBelow(std::uint32_t n);

struct NoticeChoice {
    int NoticeDraw = 0;     // 0..8
    int TextColorIndex = 0; // 0..2
    int BackColorIndex = 0; // 0..3
    ColorValue NoticeTextColor = kBlack;
    ColorValue NoticeBackColor = kSilver;
};

// Seeds and draws three times: the notice, its text colour and its background.
NoticeChoice ChooseNotice();

} // namespace zarn
