#pragma once

namespace vrx {

// A message box as the models ask for it: the views show it as the
// system's box with exactly these icon and buttons, tests answer it from a
// script.
enum class MessageIcon { Error, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

}  // namespace vrx
