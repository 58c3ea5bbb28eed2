#pragma once
// A key combination that belongs to the program as a whole: pressed with exactly its modifiers
// while any window of the program has the focus, dialogs and message boxes included, it runs its
// action and goes no further. Held down, it runs once. The combination is the program's from
// construction to destruction.

#include <QObject>

#include <functional>

namespace platform {

class ApplicationHotKey final : public QObject {
public:
    ApplicationHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers, std::function<void()> action);
    ~ApplicationHotKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run() const;

    Qt::Key key_;
    Qt::KeyboardModifiers modifiers_;
    std::function<void()> action_;
};

}  // namespace platform
