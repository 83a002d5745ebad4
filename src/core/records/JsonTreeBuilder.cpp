#include "core/records/JsonTreeBuilder.h"

#include "core/records/Cp1252.h"

namespace courtlog {

void JsonTreeBuilder::cp1252String(std::string_view raw) { place(cp1252ToUtf8(raw)); }

nlohmann::ordered_json* JsonTreeBuilder::place(nlohmann::ordered_json value) {
    if (open_.empty()) {
        root_ = std::move(value);
        return &root_;
    }
    nlohmann::ordered_json& parent = *open_.back();
    if (parent.is_array()) {
        parent.push_back(std::move(value));
        return &parent.back();
    }
    nlohmann::ordered_json& member = parent[key_];
    member = std::move(value);
    return &member;
}

}  // namespace courtlog
