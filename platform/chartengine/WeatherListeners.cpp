#include "platform/chartengine/WeatherListeners.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace chartengine {

HResult WeatherListeners::Advise(Listener listener, int32_t* cookie)
{
    if (!listener || !cookie)
        return kInvalidArgument;
    *cookie = nextCookie_++;
    listeners_.emplace(*cookie, std::move(listener));
    return kOk;
}

HResult WeatherListeners::Unadvise(int32_t cookie)
{
    return listeners_.erase(cookie) ? kOk : kInvalidArgument;
}

void WeatherListeners::PostLater(int32_t event, std::vector<int32_t> arguments)
{
    if (listeners_.empty() || !QCoreApplication::instance())
        return;
    std::vector<int32_t> cookies;
    for (const auto& [cookie, listener] : listeners_)
        cookies.push_back(cookie);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, event, arguments = std::move(arguments), cookies = std::move(cookies),
         lifetime = std::weak_ptr<int>(lifetime_)] {
            for (int32_t cookie : cookies) {
                if (lifetime.expired())
                    return;
                const auto found = listeners_.find(cookie);
                if (found != listeners_.end()) {
                    const Listener listener = found->second;
                    listener(event, arguments);
                }
            }
        },
        Qt::QueuedConnection);
}

}  // namespace chartengine
