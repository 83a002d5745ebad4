#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace courtlog {

// Builds the tree of a JSON document described member by member, with the
// same members as JsonStreamWriter: the JSON forms are written once and give
// either a tree (to read back or convert) or streamed text (to print).
class JsonTreeBuilder {
public:
    void beginObject();
    void endObject() { open_.pop_back(); }
    void beginArray() { open(nlohmann::ordered_json::array()); }
    void endArray() { open_.pop_back(); }
    void key(std::string_view name) { key_ = name; }
    void checkedKey(std::string_view name) { key_ = name; }
    void number(long long value) { place(value); }
    void boolean(bool value) { place(value); }
    void null() { place(nullptr); }
    void string(std::string_view utf8) { place(std::string(utf8)); }
    // A text as the records hold it (Windows-1252), stored as UTF-8.
    void cp1252String(std::string_view raw);
    void member(std::string_view name, long long value) {
        key(name);
        number(value);
    }
    void cp1252Member(std::string_view name, std::string_view raw) {
        key(name);
        cp1252String(raw);
    }

    // The document; the builder is empty afterwards.
    nlohmann::ordered_json take() { return std::move(root_); }

private:
    nlohmann::ordered_json* place(nlohmann::ordered_json value);
    void open(nlohmann::ordered_json container) { open_.push_back(place(std::move(container))); }

    nlohmann::ordered_json root_;
    // The objects and lists not yet ended, outermost first. Their parents
    // gain no member while they are open, so the pointers stay good.
    std::vector<nlohmann::ordered_json*> open_;
    std::string key_;
};

}  // namespace courtlog
