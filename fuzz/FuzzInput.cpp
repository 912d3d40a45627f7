#include "FuzzInput.h"

namespace zarn::fuzz {

namespace {

constexpr std::uint8_t kEscape = '\\';
constexpr std::uint8_t kTextEnd = '\n';

} // namespace

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size)
    : m_data(data)
    , m_size(data == nullptr ? 0 : size) {}

std::uint8_t FuzzInput::TakeByte() {
    return Empty() ? std::uint8_t{0} : m_data[m_next++];
}

int FuzzInput::TakeSignedByte() {
    return static_cast<int>(TakeByte()) - 128;
}

int FuzzInput::TakeIndex(int count) {
    return count <= 1 ? 0 : TakeByte() % count;
}

std::string FuzzInput::TakeText() {
    std::string text;
    while (!Empty()) {
        std::uint8_t byte = m_data[m_next++];
        if (byte == kTextEnd) {
            break;
        }
        if (byte == kEscape && !Empty()) {
            byte = m_data[m_next++];
        }
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

std::string FuzzInput::TakeRest() {
    std::string rest;
    if (!Empty()) {
        rest.assign(reinterpret_cast<const char*>(m_data + m_next), m_size - m_next);
        m_next = m_size;
    }
    return rest;
}

} // namespace zarn::fuzz
