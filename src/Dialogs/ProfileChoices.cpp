#include "Dialogs/ProfileChoices.h"

#include "Utils/CaseInsensitive.h"

namespace vrx {

std::vector<std::string> profileChoices(const std::vector<std::string>& profileNames) {
    std::vector<std::string> choices;
    choices.reserve(profileNames.size() + 1);
    choices.emplace_back();
    choices.insert(choices.end(), profileNames.begin(), profileNames.end());
    return choices;
}

int findProfileChoice(const std::vector<std::string>& choices, std::string_view text) {
    for (size_t i = 0; i < choices.size(); ++i)
        if (equalsIgnoringCase(choices[i], text)) return static_cast<int>(i);
    return -1;
}

}  // namespace vrx
