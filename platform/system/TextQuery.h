#pragma once
// One service for the program's questions that take a line of text (a password): caption,
// prompt and whether the typed text is hidden in, the text out (none when the user cancels).
// Interactive runs use QtTextQueryService; tests install a RecordingTextQueryService.

#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace platform {

struct TextQueryRequest {
    QWidget* owner = nullptr;
    std::string caption;  // Windows-1252
    std::string prompt;   // Windows-1252
    bool hidden = false;  // the typed characters are not shown
};

using TextQueryAnswer = std::optional<std::string>;  // Windows-1252

class TextQueryService {
public:
    virtual ~TextQueryService() = default;
    virtual TextQueryAnswer show(const TextQueryRequest& request) = 0;
};

// Asks through the installed service (a QtTextQueryService unless one was installed).
TextQueryAnswer ShowTextQuery(const TextQueryRequest& request);

// Installs service for the whole process; nullptr goes back to the Qt service. Not owned.
void InstallTextQueryService(TextQueryService* service);

class QtTextQueryService final : public TextQueryService {
public:
    TextQueryAnswer show(const TextQueryRequest& request) override;
};

// Records every request and answers from a queue of preset answers; with the queue empty it
// answers as a cancelled question.
class RecordingTextQueryService final : public TextQueryService {
public:
    TextQueryAnswer show(const TextQueryRequest& request) override;

    std::vector<TextQueryRequest> shown;
    std::deque<TextQueryAnswer> presetAnswers;
};

}  // namespace platform
