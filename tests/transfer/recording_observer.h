#pragma once

#include "config_transfer.h"

#include <atomic>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace qvs::test {

// Keeps every status text and progress report; may raise a stop flag at a given status.
class RecordingObserver : public transfer::ITransferObserver {
public:
    void OnStatus(const std::string& text) override
    {
        Statuses.push_back(text);
        if (OnEachStatus)
            OnEachStatus(text);
    }
    void OnProgress(int position, int maximum) override { Progress.emplace_back(position, maximum); }

    std::vector<std::string> Statuses;
    std::vector<std::pair<int, int>> Progress;
    std::function<void(const std::string&)> OnEachStatus;
};

}  // namespace qvs::test
