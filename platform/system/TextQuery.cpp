#include "platform/system/TextQuery.h"

#include "platform/system/TextCodec.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

namespace platform {

namespace {

TextQueryService* installedService = nullptr;

}  // namespace

TextQueryAnswer ShowTextQuery(const TextQueryRequest& request)
{
    if (installedService)
        return installedService->show(request);
    QtTextQueryService qtService;
    return qtService.show(request);
}

void InstallTextQueryService(TextQueryService* service)
{
    installedService = service;
}

TextQueryAnswer QtTextQueryService::show(const TextQueryRequest& request)
{
    // Without a widget application no question can be shown: it counts as cancelled.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    bool accepted = false;
    const QString text = QInputDialog::getText(request.owner, FromCp1252(request.caption), FromCp1252(request.prompt),
                                               request.hidden ? QLineEdit::Password : QLineEdit::Normal, QString(),
                                               &accepted);
    if (!accepted)
        return std::nullopt;
    return ToCp1252(text);
}

TextQueryAnswer RecordingTextQueryService::show(const TextQueryRequest& request)
{
    shown.push_back(request);
    if (presetAnswers.empty())
        return std::nullopt;
    TextQueryAnswer answer = presetAnswers.front();
    presetAnswers.pop_front();
    return answer;
}

}  // namespace platform
