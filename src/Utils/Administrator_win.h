#pragma once

namespace vrx {

// Whether the process token is a member of the built-in Administrators
// group (an elevated process, under User Account Control).
bool runningAsAdministrator();

}  // namespace vrx
