#pragma once

// The bytes of one fuzz input, taken apart into the values a target needs: single bytes
// for choices and texts that run to the next line break. A backslash takes the byte after
// it as it stands, so a text can hold any byte, line breaks and backslashes included,
// while a seed file stays readable: one text per line.

#include <cstddef>
#include <cstdint>
#include <string>

namespace zarn::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size);

    bool Empty() const { return m_next >= m_size; }

    // The next byte; 0 once the input is used up.
    std::uint8_t TakeByte();
    // The next byte as a signed number, -128..127.
    int TakeSignedByte();
    // A choice among `count` (1..256) alternatives, from one byte.
    int TakeIndex(int count);
    // The bytes up to the next unescaped line break, which is consumed and not kept.
    std::string TakeText();
    // Every byte not yet taken, as it stands.
    std::string TakeRest();

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_next = 0;
};

} // namespace zarn::fuzz
