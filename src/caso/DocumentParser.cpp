#include "caso/DocumentParser.h"

#include "caso/DocumentNode.h"
#include "engine/CodePage.h"

#include <algorithm>
#include <set>
#include <vector>

namespace zarn {
namespace {

constexpr std::string_view kNotJson = "n\xE3o \xE9 um documento JSON: ";

// The container being read, as the place of what is read in it: the key or the index of its
// current member.
struct OpenContainer {
    bool IsList = false;
    std::size_t Items = 0; // in a list, how many items have begun
    std::string Key;       // in an object, the key of the member being read
    std::set<std::string> Keys;
};

// The place of the member being read: "prescricao.marcos[1]".
std::string PlaceOf(const std::vector<OpenContainer>& open) {
    std::string place;
    for (const OpenContainer& container : open) {
        if (container.IsList) {
            place += "[" + std::to_string(container.Items - 1) + "]";
        } else {
            place = ChildPlace(place, Cp1252FromUtf8(container.Key).value_or("?"));
        }
    }
    return place;
}

// Follows the parser into the containers and refuses a key repeated in an object.
class RepeatedKeyCheck {
public:
    bool operator()(int, nlohmann::detail::parse_event_t event, JsonValue& parsed) {
        using Event = nlohmann::detail::parse_event_t;
        switch (event) {
        case Event::object_start:
        case Event::array_start:
            BeginItem();
            m_open.push_back(OpenContainer{event == Event::array_start, 0, {}, {}});
            break;
        case Event::object_end:
        case Event::array_end:
            m_open.pop_back();
            break;
        case Event::key:
            ReadKey(parsed.get<std::string>());
            break;
        case Event::value:
            BeginItem();
            break;
        }
        return true;
    }

private:
    // A value begins in the container read: in a list, the next item.
    void BeginItem() {
        if (!m_open.empty() && m_open.back().IsList) {
            ++m_open.back().Items;
        }
    }

    void ReadKey(const std::string& key) {
        OpenContainer& object = m_open.back();
        object.Key = key;
        if (!object.Keys.insert(key).second) {
            throw DocumentError(PlaceOf(m_open) + ": chave repetida");
        }
    }

    std::vector<OpenContainer> m_open;
};

// The line and column of a byte (counted from 1), the column in characters.
std::string PositionOf(std::string_view utf8, std::size_t byte) {
    const std::size_t end = std::min(std::max<std::size_t>(byte, 1) - 1, utf8.size());
    const std::string_view before = utf8.substr(0, end);
    const std::size_t line =
        static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    const std::size_t lineStart =
        before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    // A character is counted at its first byte; UTF-8's following bytes are 10xxxxxx.
    const std::size_t column =
        static_cast<std::size_t>(
            std::count_if(before.begin() + static_cast<std::ptrdiff_t>(lineStart), before.end(),
                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; })) +
        1;
    return "linha " + std::to_string(line) + ", coluna " + std::to_string(column);
}

bool Blank(std::string_view utf8) {
    return std::all_of(utf8.begin(), utf8.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

} // namespace

JsonValue ParseDocument(std::string_view utf8) {
    if (Blank(utf8)) {
        throw DocumentError(std::string(kNotJson) + "o texto est\xE1 vazio");
    }
    try {
        return JsonValue::parse(utf8, RepeatedKeyCheck{});
    } catch (const nlohmann::json::parse_error& error) {
        throw DocumentError(std::string(kNotJson) + "erro na " + PositionOf(utf8, error.byte));
    } catch (const nlohmann::json::out_of_range&) {
        throw DocumentError(std::string(kNotJson) + "um n\xFAmero grande demais para ser lido");
    }
}

} // namespace zarn
