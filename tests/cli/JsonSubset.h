#pragma once

// A JSON output checked key by key: every key of the expected object holds the same value
// in the object written (further keys are allowed), and the written object holds exactly
// the keys listed, where a list is given.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace zarn {

inline ::testing::AssertionResult JsonHolds(const std::string& written,
                                            const std::string& expected) {
    const nlohmann::json actual = nlohmann::json::parse(written, nullptr, false);
    if (actual.is_discarded() || !actual.is_object()) {
        return ::testing::AssertionFailure() << "not a JSON object: " << written;
    }
    const nlohmann::json wanted = nlohmann::json::parse(expected);
    for (const auto& [key, value] : wanted.items()) {
        if (!actual.contains(key) || actual.at(key) != value) {
            return ::testing::AssertionFailure()
                   << key << ": " << (actual.contains(key) ? actual.at(key).dump() : "absent")
                   << " instead of " << value.dump();
        }
    }
    return ::testing::AssertionSuccess();
}

inline std::vector<std::string> JsonKeys(const std::string& written) {
    std::vector<std::string> keys;
    const nlohmann::json object = nlohmann::json::parse(written);
    for (const auto& [key, value] : object.items()) {
        keys.push_back(key);
    }
    return keys;
}

} // namespace zarn
