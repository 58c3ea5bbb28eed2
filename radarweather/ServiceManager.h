#pragma once
// What the radar and the weather manager share: a state, an error text that reading clears,
// and a status callback the main window sets.

#include <cstdint>
#include <functional>
#include <string>

class ServiceManager {
public:
    // 0 not initialised, 1 ready, 2 a call failed, -1 initialisation failed.
    enum State : int32_t { NotInitialised = 0, Ready = 1, CallFailed = 2, InitFailed = -1 };

    virtual ~ServiceManager() = default;

    int32_t state() const { return state_; }
    // The last error text; reading it turns state 2 back to 1.
    std::string ErrorText();

    std::function<void(int32_t status)> statusCallback;

protected:
    void fail(State state, std::string text);

    int32_t state_ = NotInitialised;
    std::string errorText_;
};
