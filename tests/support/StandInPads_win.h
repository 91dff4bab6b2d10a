#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "standin/StandInPad.h"

namespace vrx::test {

// The shared memory the stand-in library reads its pads from.
class StandInPads {
public:
    StandInPads() {
        mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(standin::Shared),
                                      standin::kMappingName);
        if (mapping_) shared_ = static_cast<standin::Shared*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0));
        if (shared_) ZeroMemory(shared_, sizeof(standin::Shared));
    }
    ~StandInPads() {
        if (shared_) UnmapViewOfFile(shared_);
        if (mapping_) CloseHandle(mapping_);
    }
    bool ready() const { return shared_ != nullptr; }
    standin::Pad& pad(int user) { return shared_->pads[user]; }
    void change(int user, const std::function<void(standin::Pad&)>& edit) {
        edit(pad(user));
        InterlockedIncrement(&pad(user).packet);
    }
    std::vector<std::string> rumbles() const {
        std::vector<std::string> out;
        const LONG recorded = shared_->rumbleCount;
        const LONG count = std::min<LONG>(recorded, standin::kMaxRumbles);
        for (LONG i = 0; i < count; ++i)
            out.push_back(std::to_string(shared_->rumbles[i].left) + "," + std::to_string(shared_->rumbles[i].right));
        return out;
    }

private:
    HANDLE mapping_ = nullptr;
    standin::Shared* shared_ = nullptr;
};

}  // namespace vrx::test
