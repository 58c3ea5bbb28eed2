#include "AppTestSupport.h"

#include "app/LngMessage.h"
#include "app/TForm1.h"
#include "frame/SharedTables.h"

#include <QComboBox>
#include <QTimer>

class LngMessageTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Form1 = new TForm1;
        Form1->Timer1->start();
    }
    void TearDown() override
    {
        delete Form1;
        Form1 = nullptr;
        AppTest::TearDown();
    }
};

TEST_F(LngMessageTest, AFatalMessageWithoutLanguageFileShowsTheNumberAndEndsTheProgram)
{
    EXPECT_TRUE(ShowLngMessage("C-Map", 4, MessageFatal));

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Error:4");
    EXPECT_EQ(boxes.shown[0].caption, "C-Map");
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Stop);
    EXPECT_TRUE(boxes.shown[0].systemModal);
    EXPECT_TRUE(StartupAbort);
    EXPECT_FALSE(Form1->Timer1->isActive());
    EXPECT_FALSE(Form1->Timer2->isActive());
    EXPECT_EQ(programEndRequests, 1);
}

TEST_F(LngMessageTest, AnInformationMessageLetsTheProgramGoOn)
{
    EXPECT_FALSE(ShowLngMessage("C-Map", 11, MessageInformation));

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(boxes.shown[0].taskModal);
    EXPECT_FALSE(StartupAbort);
    EXPECT_TRUE(Form1->Timer1->isActive());
    EXPECT_TRUE(Form1->Timer2->isActive());
    EXPECT_EQ(programEndRequests, 0);
}

TEST_F(LngMessageTest, TheTextComesFromTheSelectedLanguageElseFromEnglish)
{
    writeFile("english.lng", "[C-Map]\r\n13=Chart engine|restarts\r\n");
    writeFile("deutsch.lng", "[c-map]\r\n13=Neustart\r\n");

    ShowLngMessage("C-Map", 13, MessageInformation);
    Form1->cmbLanguage->addItem("deutsch");
    Form1->cmbLanguage->setCurrentIndex(0);
    ShowLngMessage("C-Map", 13, MessageInformation);
    ShowLngMessage("C-Map", 14, MessageInformation);

    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].text, "Chart engine|restarts");  // shown as read
    EXPECT_EQ(boxes.shown[1].text, "Neustart");
    EXPECT_EQ(boxes.shown[2].text, "Error:14");
}
