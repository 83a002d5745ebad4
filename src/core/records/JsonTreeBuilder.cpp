#include "core/records/JsonTreeBuilder.h"

#include "core/records/Cp1252.h"

namespace courtlog {

void JsonTreeBuilder::beginObject() {
    open(nlohmann::ordered_json::object());
    // An object keeps its members in a list whose entries (a fixed name and
    // a value) are copied, never moved, when the list grows: a play's
    // player, say, would be copied whole three times over as the play's
    // fields follow it. Room for a record's fields from the start spares it.
    constexpr std::size_t kRecordFields = 16;
    open_.back()->get_ref<nlohmann::ordered_json::object_t&>().reserve(kRecordFields);
}

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
