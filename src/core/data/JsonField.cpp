#include "JsonField.h"

#include <algorithm>
#include <set>

#include "../common/Cp1251.h"

namespace lovaris {

namespace {

// Where the parser stands, so that a member given twice can be named by its path.
class MemberPathTracker {
public:
    bool onEvent(nlohmann::json::parse_event_t event, const nlohmann::ordered_json& parsed) {
        using E = nlohmann::json::parse_event_t;
        switch (event) {
            case E::object_start:
                startElement();
                frames_.push_back({false, -1, {}, {}});
                break;
            case E::array_start:
                startElement();
                frames_.push_back({true, -1, {}, {}});
                break;
            case E::object_end:
            case E::array_end:
                frames_.pop_back();
                break;
            case E::key: {
                auto& frame = frames_.back();
                frame.key = parsed.get<std::string>();
                if (!frame.keys.insert(frame.key).second) throw JsonFieldError(path() + ": given twice");
                break;
            }
            case E::value:
                startElement();
                break;
        }
        return true;
    }

    // The element the parser is reading when a value fails before it is complete.
    std::string pendingPath() const {
        std::string text;
        for (std::size_t i = 0; i < frames_.size(); ++i) {
            const auto& frame = frames_[i];
            const bool last = i + 1 == frames_.size();
            if (frame.array)
                text += "[" + std::to_string(last ? frame.index + 1 : frame.index) + "]";
            else
                text += (text.empty() ? "" : ".") + frame.key;
        }
        return text;
    }

private:
    struct Frame {
        bool array;
        int index;
        std::string key;
        std::set<std::string> keys;
    };

    void startElement() {
        if (!frames_.empty() && frames_.back().array) ++frames_.back().index;
    }

    std::string path() const {
        std::string text;
        for (const auto& frame : frames_) {
            if (frame.array)
                text += "[" + std::to_string(frame.index) + "]";
            else
                text += (text.empty() ? "" : ".") + frame.key;
        }
        return text;
    }

    std::vector<Frame> frames_;
};

// nlohmann's messages open with "[json.exception.parse_error.101] "; the reader needs the rest.
std::string withoutExceptionTag(std::string_view message) {
    if (message.starts_with("[")) {
        const auto end = message.find("] ");
        if (end != std::string_view::npos) message.remove_prefix(end + 2);
    }
    return std::string(message);
}

}  // namespace

nlohmann::ordered_json ParseJsonText(std::string_view text) {
    MemberPathTracker tracker;
    try {
        return nlohmann::ordered_json::parse(
            text, [&tracker](int, nlohmann::json::parse_event_t event, nlohmann::ordered_json& parsed) {
                return tracker.onEvent(event, parsed);
            });
    } catch (const nlohmann::json::parse_error& e) {
        throw JsonFieldError(withoutExceptionTag(e.what()));
    } catch (const nlohmann::json::out_of_range&) {
        // A number too large for any field, such as 1e400.
        const std::string path = tracker.pendingPath();
        throw JsonFieldError((path.empty() ? std::string() : path + ": ") + "number out of range");
    }
}

void JsonField::refuse(std::string_view what) const {
    throw JsonFieldError(path_.empty() ? std::string(what) : path_ + ": " + std::string(what));
}

void JsonField::requireObject() const {
    if (!value_.is_object()) refuse("expected an object");
}

JsonField JsonField::member(std::string_view name) const {
    auto found = optionalMember(name);
    if (!found) {
        const std::string memberPath = path_.empty() ? std::string(name) : path_ + "." + std::string(name);
        JsonField(value_, memberPath).refuse("missing");
    }
    return *found;
}

std::optional<JsonField> JsonField::optionalMember(std::string_view name) const {
    requireObject();
    const auto it = value_.find(name);
    if (it == value_.end()) return std::nullopt;
    return JsonField(*it, path_.empty() ? std::string(name) : path_ + "." + std::string(name));
}

void JsonField::allowOnly(std::initializer_list<std::string_view> names) const {
    requireObject();
    for (const auto& [key, unused] : value_.items()) {
        if (std::find(names.begin(), names.end(), key) == names.end())
            JsonField(unused, path_.empty() ? key : path_ + "." + key).refuse("unknown field");
    }
}

std::vector<JsonField> JsonField::elements(std::size_t maxCount) const {
    if (!value_.is_array()) refuse("expected an array");
    if (value_.size() > maxCount) refuse("expected at most " + std::to_string(maxCount) + " values");
    std::vector<JsonField> out;
    out.reserve(value_.size());
    for (std::size_t i = 0; i < value_.size(); ++i)
        out.emplace_back(value_[i], path_ + "[" + std::to_string(i) + "]");
    return out;
}

std::int64_t JsonField::integer(std::int64_t min, std::int64_t max) const {
    const std::string expected = "expected an integer " + std::to_string(min) + ".." + std::to_string(max);
    if (!value_.is_number_integer()) refuse(expected);
    if (value_.is_number_unsigned()) {
        const auto v = value_.get<std::uint64_t>();
        if (max < 0 || v > static_cast<std::uint64_t>(max)) refuse(expected);
        const auto s = static_cast<std::int64_t>(v);
        if (s < min) refuse(expected);
        return s;
    }
    const auto v = value_.get<std::int64_t>();
    if (v < min || v > max) refuse(expected);
    return v;
}

bool JsonField::boolean() const {
    if (!value_.is_boolean()) refuse("expected true or false");
    return value_.get<bool>();
}

std::string JsonField::text(std::size_t maxChars) const {
    if (!value_.is_string()) refuse("expected a text");
    const auto& s = value_.get_ref<const std::string&>();
    if (s.find('\0') != std::string::npos) refuse("a text cannot contain the NUL character");
    if (cp1251ToUtf8(utf8ToCp1251(s)) != s) refuse("contains a character that Windows-1251 cannot hold");
    if (utf8Length(s) > maxChars) refuse("expected a text of at most " + std::to_string(maxChars) + " characters");
    return s;
}

}  // namespace lovaris
