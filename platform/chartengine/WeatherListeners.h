#pragma once
// The listeners of one weather service, each known by the cookie its Advise gave. Events are
// posted to the main loop and reach the listeners there, never inside a call of the service;
// a listener removed before then, or a service deleted, is not called.

#include "platform/chartengine/EngineStatus.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace chartengine {

class WeatherListeners {
public:
    using Listener = std::function<void(int32_t event, const std::vector<int32_t>& arguments)>;

    HResult Advise(Listener listener, int32_t* cookie);
    HResult Unadvise(int32_t cookie);
    size_t Count() const { return listeners_.size(); }

    void PostLater(int32_t event, std::vector<int32_t> arguments);

private:
    std::map<int32_t, Listener> listeners_;
    int32_t nextCookie_ = 1;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace chartengine
