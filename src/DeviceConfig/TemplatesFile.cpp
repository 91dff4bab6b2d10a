#include "DeviceConfig/TemplatesFile.h"

#include <nlohmann/json.hpp>

#include "Utils/Logger.h"
#include "Utils/TextDecoding.h"

namespace vrx {
namespace {

using nlohmann::json;

// The first key an element lacks (or holds with the wrong type); null for
// a complete template.
const char* missingKey(const json& element) {
    if (!element.is_object()) return "id";
    const auto id = element.find("id");
    if (id == element.end() || !id->is_string()) return "id";
    const auto name = element.find("name");
    if (name == element.end() || !name->is_string()) return "name";
    const auto buttons = element.find("buttons");
    if (buttons == element.end() || !buttons->is_array()) return "buttons";
    return nullptr;
}

std::unique_ptr<TDeviceTemplate> templateOf(const json& element) {
    std::vector<std::string> buttons;
    const json& list = element.at("buttons");
    buttons.reserve(list.size());
    // An entry that is not a text still holds its button's place: dropping
    // it would give every later button the name of the one after it.
    for (const json& entry : list) buttons.push_back(entry.is_string() ? entry.get<std::string>() : std::string());
    return std::make_unique<TDeviceTemplate>(element.at("id").get<std::string>(), element.at("name").get<std::string>(),
                                             std::move(buttons));
}

}  // namespace

TemplateList decodeTemplatesFile(std::string_view bytes, const AnsiCodePage& ansi, Logger& log) {
    json document;
    try {
        document = json::parse(decodeFileText(bytes, ansi));
    } catch (const json::exception& e) {  // parse errors, and numbers beyond a double
        log.errorf("Cannot read button templates: %s", e.what());
        return {};
    }
    const auto list = document.is_object() ? document.find("templates") : document.end();
    if (!document.is_object() || list == document.end() || !list->is_array()) {
        log.error("Cannot read button templates: the file has no \"templates\" list");
        return {};
    }
    TemplateList templates;
    size_t position = 0;
    for (const json& element : *list) {
        ++position;
        if (const char* key = missingKey(element)) {
            log.errorf("Button template %zu has no \"%s\" and is skipped", position, key);
            continue;
        }
        templates.push_back(templateOf(element));
    }
    return templates;
}

std::string encodeTemplatesFile(const TemplateList& templates) {
    // ordered_json keeps the keys in the order they are set.
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& entry : templates) {
        nlohmann::ordered_json element;
        element["id"] = entry->id;
        element["name"] = entry->name;
        element["buttons"] = entry->buttons;
        list.push_back(std::move(element));
    }
    nlohmann::ordered_json document;
    document["templates"] = std::move(list);
    // A name typed in broken UTF-8 must not make the save throw.
    return std::string(kUtf8ByteOrderMark) +
           document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace vrx
