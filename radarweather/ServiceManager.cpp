#include "radarweather/ServiceManager.h"

std::string ServiceManager::ErrorText()
{
    if (state_ == CallFailed)
        state_ = Ready;
    return errorText_;
}

void ServiceManager::fail(State state, std::string text)
{
    state_ = state;
    errorText_ = std::move(text);
}
