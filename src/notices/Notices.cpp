#include "notices/Notices.h"

#include <chrono>
#include <cstddef>
#include <stdexcept>
#include <utility>

namespace zarn {
namespace {

constexpr std::uint32_t kMillisecondsPerDay = 86'400'000u;
constexpr std::uint32_t kSeedMultiplier = 134'775'813u;

struct NoticeSource {
    std::size_t LeadingSpaces;
    const char* Sentence;
};

// By position 1 to 9. The leading spaces shift each sentence to the right in the bar.
constexpr std::array<NoticeSource, kNoticeCount> kNoticeSources = {{
    {10, "Leia \"Dos Delitos e das Penas\", de Cesare Beccaria (Martins Fontes)."},
    {10, "Recomendamos \"Vigiar e Punir\", de Michel Foucault (Vozes)."},
    {8, "Leia \"Crime e Castigo\", de Fi\xF3"
        "dor Dostoi\xE9vski (Editora 34)."},
    {7, "N\xE3o deixe de ler \"O Processo\", de Franz Kafka (Companhia das Letras)."},
    {12, "Leia \"Mem\xF3rias do C\xE1rcere\", de Graciliano Ramos (Record)."},
    {15, "Conhe\xE7"
         "a \"Esta\xE7\xE3o Carandiru\", de Drauzio Varella (Companhia das Letras)."},
    {10, "Recomendamos \"O Esp\xEDrito das Leis\", de Montesquieu (Martins Fontes)."},
    {17, "Leia \"Eichmann em Jerusal\xE9m\", de Hannah Arendt (Companhia das Letras)."},
    {6, "N\xE3o deixe de ler \"Os Miser\xE1veis\", de Victor Hugo (Penguin-Companhia)."},
}};

// NoticeDraw 0..8 -> position 1..9.
constexpr std::array<int, kNoticeCount> kPositionOfDraw = {1, 2, 4, 5, 6, 3, 7, 8, 9};

MillisecondsClock& ClockSlot() {
    static MillisecondsClock clock;
    return clock;
}

std::uint32_t ReadClock() {
    const MillisecondsClock& clock = ClockSlot();
    return clock ? clock() : SystemMillisecondsSinceMidnightUtc();
}

} // namespace

const std::array<std::string, kNoticeCount>& NoticeLines() {
    static const std::array<std::string, kNoticeCount> lines = [] {
        std::array<std::string, kNoticeCount> built;
        for (std::size_t i = 0; i < built.size(); ++i) {
            built[i] =
                std::string(kNoticeSources[i].LeadingSpaces, ' ') + kNoticeSources[i].Sentence;
        }
        return built;
    }();
    return lines;
}

const std::string& NoticeLine(int position) {
    if (position < 1 || position > kNoticeCount) {
        throw std::out_of_range("notice position out of range");
    }
    return NoticeLines()[static_cast<std::size_t>(position - 1)];
}

int NoticePosition(int noticeDraw) {
    if (noticeDraw < 0 || noticeDraw >= kNoticeCount) {
        throw std::out_of_range("notice draw out of range");
    }
    return kPositionOfDraw[static_cast<std::size_t>(noticeDraw)];
}

std::uint32_t SystemMillisecondsSinceMidnightUtc() {
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const auto ms = sinceEpoch.count() % static_cast<long long>(kMillisecondsPerDay);
    return static_cast<std::uint32_t>(ms < 0 ? ms + kMillisecondsPerDay : ms);
}

void SetNoticeClock(MillisecondsClock clock) {
    ClockSlot() = std::move(clock);
}

std::uint32_t& NoticeSeed() {
    static std::uint32_t seed = 0;
    return seed;
}

void SeedFromClock() {
    NoticeSeed() = ReadClock();
}

std::uint32_t DrawBelow(std::uint32_t n) {
    std::uint32_t& seed = NoticeSeed();
    seed = seed * kSeedMultiplier + 1u; // modulo 2^32 by unsigned wrap-around
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
}

NoticeChoice ChooseNotice() {
    NoticeChoice choice;
    SeedFromClock();
    choice.NoticeDraw = static_cast<int>(DrawBelow(kNoticeCount));
    SeedFromClock();
    choice.TextColorIndex =
        static_cast<int>(DrawBelow(static_cast<std::uint32_t>(kNoticeTextColors.size())));
    SeedFromClock();
    choice.BackColorIndex =
        static_cast<int>(DrawBelow(static_cast<std::uint32_t>(kNoticeBackColors.size())));
    choice.NoticeTextColor = kNoticeTextColors[static_cast<std::size_t>(choice.TextColorIndex)];
    choice.NoticeBackColor = kNoticeBackColors[static_cast<std::size_t>(choice.BackColorIndex)];
    return choice;
}

} // namespace zarn
