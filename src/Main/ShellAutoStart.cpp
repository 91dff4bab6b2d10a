#include <string>

#include "Main/ShellCommands.h"

// The commands model, part: the logon task behind "Windowsログイン時に自動で起動".

namespace vrx {
namespace {

constexpr const char* kAutoStartNeedsAdministrator =
    "自動起動の設定には管理者権限が必要です。\n\nメニューの「ファイル」→「終了」を選び、Vantorixを完全に終了し、"
    "その後Vantorixを右クリックして「管理者として実行」してから、再度お試しください。";
constexpr const char* kSeeTheLog = "\n\n詳細は Vantorix.log をご確認ください。";

}  // namespace

void ShellCommands::readAutoStartup() { autoStartup_ = parts_.autoStart.exists(); }

void ShellCommands::MMAutoStartupClick() {
    AutoStartTask& task = parts_.autoStart;
    if (!task.runningAsAdministrator()) {
        message(kAutoStartNeedsAdministrator, "Warning", MessageIcon::Warning);
        return;
    }
    const bool exists = task.exists();
    const char* question = exists ? "自動起動を無効にしますか？"
                                  : "Windows起動時にVantorixを自動起動しますか？\n（管理者権限で実行されます）";
    if (parts_.dialogs.message(question, "Vantorix", MessageIcon::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return;
    if (exists ? task.remove() : task.create()) {
        autoStartup_ = !exists;
        message(exists ? "自動起動を無効にしました。" : "自動起動を設定しました。", "Vantorix",
                MessageIcon::Information);
    } else {
        message(std::string(exists ? "自動起動の無効化に失敗しました。" : "自動起動の設定に失敗しました。") + kSeeTheLog,
                "Error", MessageIcon::Error);
    }
}

}  // namespace vrx
