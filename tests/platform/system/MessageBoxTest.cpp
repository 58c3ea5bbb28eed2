#include "platform/system/MessageBox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

using namespace platform;

namespace {

TEST(MessageBox, RequestFromStyleTranslatesWindowsFlags)
{
    struct Case {
        unsigned style;
        MsgIcon icon;
        MsgButtons buttons;
        bool taskModal, systemModal, topMost;
    };
    const Case cases[] = {
        {0x00000, MsgIcon::None, MsgButtons::Ok, false, false, false},
        {0x00010, MsgIcon::Stop, MsgButtons::Ok, false, false, false},
        {0x42030, MsgIcon::Exclamation, MsgButtons::Ok, true, false, true},
        {0x00024, MsgIcon::Question, MsgButtons::YesNo, false, false, false},
        {0x00043, MsgIcon::Information, MsgButtons::YesNoCancel, false, false, false},
        {0x01015, MsgIcon::Stop, MsgButtons::RetryCancel, false, true, false},
        {0x00001, MsgIcon::None, MsgButtons::OkCancel, false, false, false},
        {0x00002, MsgIcon::None, MsgButtons::AbortRetryIgnore, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        const MessageBoxRequest r = RequestFromStyle("text", "caption", c.style);
        EXPECT_EQ(r.text, "text");
        EXPECT_EQ(r.caption, "caption");
        EXPECT_EQ(r.owner, nullptr);
        EXPECT_EQ(r.icon, c.icon);
        EXPECT_EQ(r.buttons, c.buttons);
        EXPECT_EQ(r.taskModal, c.taskModal);
        EXPECT_EQ(r.systemModal, c.systemModal);
        EXPECT_EQ(r.topMost, c.topMost);
    }
}

class RecordingTest : public testing::Test {
protected:
    void SetUp() override { InstallMessageBoxService(&recorder_); }
    void TearDown() override { InstallMessageBoxService(nullptr); }
    RecordingMessageBoxService recorder_;
};

TEST_F(RecordingTest, RecordsRequestsAndAnswersPresetAnswersFirst)
{
    recorder_.presetAnswers = {MsgAnswer::No, MsgAnswer::Cancel};
    const std::pair<MsgButtons, MsgAnswer> expected[] = {
        {MsgButtons::YesNo, MsgAnswer::No},         {MsgButtons::OkCancel, MsgAnswer::Cancel},
        {MsgButtons::Ok, MsgAnswer::Ok},            {MsgButtons::OkCancel, MsgAnswer::Ok},
        {MsgButtons::YesNo, MsgAnswer::Yes},        {MsgButtons::YesNoCancel, MsgAnswer::Yes},
        {MsgButtons::RetryCancel, MsgAnswer::Retry},
        {MsgButtons::AbortRetryIgnore, MsgAnswer::Abort},
    };
    for (const auto& [buttons, answer] : expected) {
        MessageBoxRequest request;
        request.text = "Halvmark missing";
        request.caption = "No 2D/3D";
        request.buttons = buttons;
        EXPECT_EQ(ShowMessageBox(request), answer);
    }
    ASSERT_EQ(recorder_.shown.size(), std::size(expected));
    EXPECT_EQ(recorder_.shown[0].text, "Halvmark missing");
    EXPECT_EQ(recorder_.shown[0].caption, "No 2D/3D");
    EXPECT_EQ(recorder_.shown[7].buttons, MsgButtons::AbortRetryIgnore);
    EXPECT_TRUE(recorder_.presetAnswers.empty());
}

// What a real box looked like while it was up.
struct ShownBox {
    MsgAnswer answer = MsgAnswer::Ok;
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowFlags flags;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* parent = nullptr;
    QMessageBox::StandardButtons buttons;
};

// Shows request through the Qt service; a timer inspects the box, then act closes it.
ShownBox ShowWithQt(const MessageBoxRequest& request, const std::function<void(QMessageBox*)>& act)
{
    ShownBox shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        shown.text = box->text();
        shown.caption = box->windowTitle();
        shown.icon = box->icon();
        shown.flags = box->windowFlags();
        shown.modality = box->windowModality();
        shown.parent = box->parentWidget();
        shown.buttons = box->standardButtons();
        act(box);
    });
    poll.start(10);
    shown.answer = QtMessageBoxService().show(request);
    return shown;
}

TEST(QtMessageBoxService, ShowsConvertedTextWithIconFlagsAndButtons)
{
    const MessageBoxRequest request =
        RequestFromStyle("Wind 12\xB0 \x80", "Weather Error", 0x30 | 0x03 | 0x2000 | 0x40000);
    const ShownBox shown =
        ShowWithQt(request, [](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    EXPECT_EQ(shown.answer, MsgAnswer::No);
    EXPECT_EQ(shown.text, QString::fromUtf8("Wind 12° €"));
    EXPECT_EQ(shown.caption, "Weather Error");
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_TRUE(shown.flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(shown.modality, Qt::ApplicationModal);
    EXPECT_EQ(shown.parent, nullptr);
    EXPECT_EQ(shown.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST(QtMessageBoxService, OwnedBoxBlocksItsOwnerAndClosingRefuses)
{
    QWidget owner;
    owner.show();
    const std::pair<MsgButtons, MsgAnswer> cases[] = {
        {MsgButtons::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, MsgAnswer::No},
        {MsgButtons::YesNoCancel, MsgAnswer::Cancel},
    };
    for (const auto& [buttons, refusal] : cases) {
        MessageBoxRequest request = RequestFromStyle("Delete?", "Route", 0x20);
        request.owner = &owner;
        request.buttons = buttons;
        const ShownBox shown = ShowWithQt(request, [](QMessageBox* box) { box->close(); });
        EXPECT_EQ(shown.answer, refusal);
        EXPECT_EQ(shown.parent, &owner);
        EXPECT_EQ(shown.modality, Qt::WindowModal);
        EXPECT_FALSE(shown.flags.testFlag(Qt::WindowStaysOnTopHint));
    }
}

}  // namespace
