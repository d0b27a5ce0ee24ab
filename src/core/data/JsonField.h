#pragma once
// Reading a JSON document field by field. A refusal throws JsonFieldError whose
// text names the field's path, e.g. "rooms.items[3].seats: expected an integer 0..65535".
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace lovaris {

class JsonFieldError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses a JSON text; bad syntax and a member given twice in one object (which
// would otherwise silently keep the last value) throw JsonFieldError.
nlohmann::ordered_json ParseJsonText(std::string_view text);

class JsonField {
public:
    JsonField(const nlohmann::ordered_json& value, std::string path) : value_(value), path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    const nlohmann::ordered_json& value() const { return value_; }

    // A member of this object; refused when missing.
    JsonField member(std::string_view name) const;
    std::optional<JsonField> optionalMember(std::string_view name) const;
    // Refuses members other than those named, so that a misspelt optional field
    // is not silently taken as left out.
    void allowOnly(std::initializer_list<std::string_view> names) const;

    // The elements of this array; refused when it holds more than maxCount.
    std::vector<JsonField> elements(std::size_t maxCount) const;
    std::int64_t integer(std::int64_t min, std::int64_t max) const;
    bool boolean() const;
    // A text that a Windows-1251 field holds unchanged: no NUL, every character
    // representable, at most maxChars characters.
    std::string text(std::size_t maxChars) const;

    [[noreturn]] void refuse(std::string_view what) const;

private:
    void requireObject() const;

    const nlohmann::ordered_json& value_;
    std::string path_;
};

}  // namespace lovaris
