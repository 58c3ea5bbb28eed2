#pragma once
// One service for every message box of the programs: text, caption, icon, buttons and the
// modality flags in, the pressed button out. Interactive runs use QtMessageBoxService; tests
// install a RecordingMessageBoxService with preset answers.

#include <deque>
#include <string>
#include <vector>

class QWidget;

namespace platform {

enum class MsgIcon { None, Information, Question, Exclamation, Stop };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
// Values of the Windows IDOK.. constants, which callers compare against.
enum class MsgAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBoxRequest {
    QWidget* owner = nullptr;
    std::string text;     // Windows-1252, as the callers hold it
    std::string caption;  // Windows-1252
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    bool taskModal = false;
    bool systemModal = false;
    bool topMost = false;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MsgAnswer show(const MessageBoxRequest& request) = 0;
};

// Shows request through the installed service (a QtMessageBoxService unless one was installed).
MsgAnswer ShowMessageBox(const MessageBoxRequest& request);

// Installs service for the whole process; nullptr goes back to the Qt service. Not owned.
void InstallMessageBoxService(MessageBoxService* service);

// Translates Windows MB_* style bits (icon, buttons, MB_TOPMOST, MB_TASKMODAL, MB_SYSTEMMODAL)
// into a request, for callers that hold the flags as numbers.
MessageBoxRequest RequestFromStyle(std::string text, std::string caption, unsigned style);

// The answer of a box closed on its first button: Ok, Yes, Retry or Abort.
MsgAnswer DefaultAnswer(MsgButtons buttons);

class QtMessageBoxService final : public MessageBoxService {
public:
    MsgAnswer show(const MessageBoxRequest& request) override;
};

// Records every request and answers from a queue of preset answers; with the queue empty it
// answers DefaultAnswer of the request's buttons.
class RecordingMessageBoxService final : public MessageBoxService {
public:
    MsgAnswer show(const MessageBoxRequest& request) override;

    std::vector<MessageBoxRequest> shown;
    std::deque<MsgAnswer> presetAnswers;
};

}  // namespace platform
