#include "app/ThreadTimers.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <utility>

namespace {

// The tick a timer thread posts to its timer object.
QEvent::Type TickEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace

TiTimerThread::TiTimerThread(TiThreadTimers* owner, int32_t interval, TimerHandler handler,
                             TimerClock& clock)
    : owner_(owner), onTimer_(std::move(handler)), interval_(interval), clock_(clock)
{
}

TiTimerThread::~TiTimerThread()
{
    // Join before QObject's destructor drops the queued ticks: after this none can be posted.
    Suspend();
}

void TiTimerThread::Resume()
{
    if (Suspended())
        thread_ = std::jthread([this, interval = std::chrono::milliseconds(interval_)](
                                   std::stop_token stop) { Execute(stop, interval); });
}

void TiTimerThread::Suspend()
{
    thread_ = std::jthread();  // requests the stop and joins
}

void TiTimerThread::Execute(std::stop_token stop, std::chrono::milliseconds interval)
{
    while (clock_.Wait(interval, stop))
        QCoreApplication::postEvent(this, new QEvent(TickEvent()));
}

bool TiTimerThread::event(QEvent* event)
{
    if (event->type() != TickEvent())
        return QObject::event(event);
    if (onTimer_)
        onTimer_(owner_);
    return true;
}

TiThreadTimers::TiThreadTimers(QObject* owner, TimerClock& clock) : QObject(owner), clock_(clock)
{
    for (auto& timer : timers_)
        timer = CreateTimer(1000, nullptr);
}

TiThreadTimers::~TiThreadTimers()
{
    for (auto& timer : timers_)
        timer.reset();
}

std::unique_ptr<TiTimerThread> TiThreadTimers::CreateTimer(int32_t interval,
                                                           TimerHandler handler)
{
    return std::make_unique<TiTimerThread>(this, interval, std::move(handler), clock_);
}

std::unique_ptr<TiTimerThread>& TiThreadTimers::Timer(int timer)
{
    return timers_.at(static_cast<size_t>(timer - 1));
}

const TiTimerThread& TiThreadTimers::Timer(int timer) const
{
    return *timers_.at(static_cast<size_t>(timer - 1));
}

bool TiThreadTimers::Enabled(int timer) const
{
    return enabled_.at(static_cast<size_t>(timer - 1));
}

void TiThreadTimers::SetEnabled(int timer, bool value)
{
    bool& enabled = enabled_.at(static_cast<size_t>(timer - 1));
    if (enabled == value)
        return;
    enabled = value;
    if (value)
        Timer(timer)->Resume();
    else
        Timer(timer)->Suspend();
}

int32_t TiThreadTimers::Interval(int timer) const
{
    return Timer(timer).Interval();
}

void TiThreadTimers::SetInterval(int timer, int32_t interval)
{
    interval = std::max(interval, int32_t{1});
    std::unique_ptr<TiTimerThread>& thread = Timer(timer);
    if (!Enabled(timer)) {
        thread->SetInterval(interval);
        return;
    }
    TimerHandler handler = thread->OnTimer();
    thread.reset();
    thread = CreateTimer(interval, std::move(handler));
    thread->Resume();
}

const TimerHandler& TiThreadTimers::OnTimer(int timer) const
{
    return Timer(timer).OnTimer();
}

void TiThreadTimers::SetOnTimer(int timer, TimerHandler handler)
{
    Timer(timer)->SetOnTimer(std::move(handler));
}
