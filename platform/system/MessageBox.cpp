#include "platform/system/MessageBox.h"

#include "platform/system/TextCodec.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <utility>

namespace platform {

namespace {

MessageBoxService* installedService = nullptr;

QMessageBox::Icon QtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Stop: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MsgButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

MsgAnswer AnswerOf(QMessageBox::StandardButton button, MsgButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Abort: return MsgAnswer::Abort;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    case QMessageBox::Ignore: return MsgAnswer::Ignore;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: break;
    }
    // Closed without a button: the refusing answer the box offers.
    switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    default: return MsgAnswer::Cancel;
    }
}

}  // namespace

MsgAnswer DefaultAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: return MsgAnswer::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    }
    return MsgAnswer::Ok;
}

MsgAnswer ShowMessageBox(const MessageBoxRequest& request)
{
    if (installedService)
        return installedService->show(request);
    QtMessageBoxService qtService;
    return qtService.show(request);
}

void InstallMessageBoxService(MessageBoxService* service)
{
    installedService = service;
}

MessageBoxRequest RequestFromStyle(std::string text, std::string caption, unsigned style)
{
    MessageBoxRequest request;
    request.text = std::move(text);
    request.caption = std::move(caption);
    switch (style & 0xF0u) {
    case 0x10: request.icon = MsgIcon::Stop; break;
    case 0x20: request.icon = MsgIcon::Question; break;
    case 0x30: request.icon = MsgIcon::Exclamation; break;
    case 0x40: request.icon = MsgIcon::Information; break;
    default: break;
    }
    switch (style & 0x0Fu) {
    case 1: request.buttons = MsgButtons::OkCancel; break;
    case 2: request.buttons = MsgButtons::AbortRetryIgnore; break;
    case 3: request.buttons = MsgButtons::YesNoCancel; break;
    case 4: request.buttons = MsgButtons::YesNo; break;
    case 5: request.buttons = MsgButtons::RetryCancel; break;
    default: break;
    }
    request.systemModal = (style & 0x1000u) != 0;
    request.taskModal = (style & 0x2000u) != 0;
    request.topMost = (style & 0x40000u) != 0;
    return request;
}

MsgAnswer QtMessageBoxService::show(const MessageBoxRequest& request)
{
    // Without a widget application no box can be shown; the text still goes to the log.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
        return DefaultAnswer(request.buttons);
    }

    QMessageBox box(QtIcon(request.icon), FromCp1252(request.caption), FromCp1252(request.text),
                    QtButtons(request.buttons), request.owner);
    // Task- and system-modal boxes, and boxes without an owner, block the whole program; an
    // owned box blocks its owner, as a Windows application-modal box does.
    const bool blocksAll = request.taskModal || request.systemModal || !request.owner;
    box.setWindowModality(blocksAll ? Qt::ApplicationModal : Qt::WindowModal);
    // After the modality, which resets the window flags.
    if (request.topMost)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    return AnswerOf(box.standardButton(box.clickedButton()), request.buttons);
}

MsgAnswer RecordingMessageBoxService::show(const MessageBoxRequest& request)
{
    shown.push_back(request);
    if (presetAnswers.empty())
        return DefaultAnswer(request.buttons);
    const MsgAnswer answer = presetAnswers.front();
    presetAnswers.pop_front();
    return answer;
}

}  // namespace platform
