#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <thread>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZMessageBox.h"

#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/ShellAppTest.h"

namespace {

class VZErrorDisplay : public ShellAppTest
{
protected:
    std::wstring Text(int32_t code, int32_t extra)
    {
        KString text;
        app->ErrorText(code, extra, text);
        return text.CStr();
    }
};

} // namespace

TEST_F(VZErrorDisplay, CodesShowTheirOwnTextTheirGroupsOrTheFallback)
{
    const struct
    {
        int32_t code;
        int32_t extra;
        const wchar_t *expected;
    } cases[] = {
        { 5002, 3, L"Serial communication receive timeout (5002,3)." },
        { 8002, -1, L"Operation failed (8002)." },
        { 5008, -1, L"Serial communication error (5008)." },
        { 33002, -1, L"Error writing .qif file (33002)." },   // its own text, though 33000 has none
        { 33001, -1, L"Operation failed (33001)." },
        { 3009, 0, L"Incorrect file version (3009,0)." },
        { -1, -1, L"Operation failed (-1)." },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, Text(c.code, c.extra)) << c.code;
}

TEST_F(VZErrorDisplay, TranslatedTextsReplaceTheEnglishAndMissingOnesStayEnglish)
{
    registry->Parse(L"Strings\\Errors\\5000:String=Fehler der seriellen Verbindung");
    registry->Parse(L"Strings\\Alerts\\Error:String=Fehler");
    app->LoadAlertTexts();
    EXPECT_EQ(L"Fehler der seriellen Verbindung (5008).", Text(5008, -1));
    EXPECT_EQ(L"Serial communication receive error (5001).", Text(5001, -1));

    app->ShowErrorCode(5008);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Fehler", boxes[0].caption);
    EXPECT_EQ(kButtonOk, boxes[0].buttons);
    EXPECT_EQ(kIconExclamation, boxes[0].icon);
}

TEST_F(VZErrorDisplay, AFileErrorNamesTheFileAndTheSystemsReasonOnLinesOfTheirOwn)
{
    wchar_t scratch[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, scratch);
    const KString folder(scratch), file(L"C:\\no\\such.qvw");   // a folder that exists, a file that does not
    const struct
    {
        int32_t code, extra;
        const KString &path;
        const wchar_t *why;   // empty: no reason line
    } cases[] = {
        { 3002, 2, file, L"The file or its folder does not exist." },
        { 3002, -1, file, L"The file or its folder does not exist." },   // no system error: looked at
        { 3002, 32, file, L"The file is in use by another program." },
        { 3005, 33, file, L"The file is in use by another program." },
        { 3002, 5, file, L"You may not open or change the file." },
        { 3002, 5, folder, L"A folder of that name is in the way." },
        { 3005, 183, folder, L"A folder of that name is in the way." },
        { 3005, 183, file, L"" },
        { 3005, 112, file, L"The disk is full." },
        { 3006, -1, file, L"The disk is full." },
        { 3010, 5, file, L"" },   // contents: the extra is no system error
    };
    for (const auto &c : cases) {
        boxes.clear();
        app->ShowFileError(c.code, c.extra, c.path);
        ASSERT_EQ(1u, boxes.size());
        const std::wstring expected = Text(c.code, c.extra) + L"\r\n" + c.path.CStr() + (*c.why ? L"\r\n" : L"") + c.why;
        EXPECT_EQ(expected, boxes[0].text) << c.code << "," << c.extra;
    }
}

TEST_F(VZErrorDisplay, BeforeTheSettingsExistTheBuiltInFallbackIsShown)
{
    VZApplication::PublishRegistry(nullptr);
    EXPECT_EQ(L"Operation failed (1002).", Text(1002, -1));
    VZApplication::PublishRegistry(registry);
}

TEST_F(VZErrorDisplay, AVeryLongTextIsCutAt127Characters)
{
    registry->Parse((std::wstring(L"Strings\\Errors\\1000:String=") + std::wstring(200, L'x')).c_str());
    EXPECT_EQ(127u, Text(1000, -1).size());
}

TEST_F(VZErrorDisplay, BoxesCarryTheirCaptionsButtonsAndIcons)
{
    boxAnswer = kDialogAbort;
    EXPECT_EQ(kDialogAbort, app->AskAbortRetry(KString(L"Link"), KString(L"No reply")));
    boxAnswer = kDialogRetry;
    EXPECT_EQ(kDialogRetry, app->AskAbortRetry(KString(L"Link"), KString(L"No reply")));
    boxAnswer = kDialogIgnore;
    EXPECT_EQ(kDialogIgnore, app->AskAbortRetryIgnore(KString(L"Link"), KString(L"No reply")));
    boxAnswer = kDialogOk;
    app->ShowMessage(KString(L"Saved"));
    app->ShowAlert(KString(L"Port"), KString(L"Busy"));

    ASSERT_EQ(5u, boxes.size());
    EXPECT_EQ(kButtonAbort | kButtonRetry, boxes[0].buttons);
    EXPECT_EQ(kButtonRetry, boxes[0].defaultButton);
    EXPECT_EQ(kIconAsterisk, boxes[0].icon);
    EXPECT_EQ(kButtonAbort | kButtonRetry | kButtonIgnore, boxes[2].buttons);
    EXPECT_EQ(L"Message", boxes[3].caption);
    EXPECT_EQ(kIconAsterisk, boxes[3].icon);
    EXPECT_EQ(L"Port", boxes[4].caption);
    EXPECT_EQ(kIconExclamation, boxes[4].icon);
}

TEST_F(VZErrorDisplay, OnScreenTheBoxRunsInTheApplicationsLoopUntilAButtonAnswers)
{
    KZSetMessageBoxHook({});
    ZafEventManager *events = app->EventManager();
    std::thread pressRetry([events] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        events->Put(ZafEventStruct(kDialogRetry, 0));
    });
    EXPECT_EQ(kDialogRetry, app->AskAbortRetry(KString(L"Link"), KString(L"No reply")));
    pressRetry.join();
    EXPECT_EQ(0, app->LoopDepth());
    EXPECT_EQ(nullptr, app->WindowManager()->FrontWindow());   // the box is gone
}
