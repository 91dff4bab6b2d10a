#include "AppInfo/WebPages.h"

namespace vrx {

std::string webPageAddress(std::string_view path) {
    std::string address(kWebSite);
    address += path;
    return address;
}

}  // namespace vrx
