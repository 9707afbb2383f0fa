// String fields and prompts written to a storage inside a window and read
// back with their texts and settings.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "framework/controls/ZafPrompt.h"
#include "framework/controls/ZafString.h"
#include "framework/controls/ZafText.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/storage/ZafMemoryPersistence.h"

namespace {

class ZafStringFieldStorage : public ::testing::Test, protected ZafMemoryPersistence
{
protected:
    void SetUp() override { Construct<ZafWindow, ZafString, ZafPrompt, ZafText>(); }

    // Writes a window "form" holding the fields (adopted), reads it back into
    // read and answers its first child as a Field; null where it is none.
    template <typename Field>
    Field *ReadBackFirst(std::initializer_list<ZafWindowObject *> fields)
    {
        ZafWindow window(0, 0, 40, 10);
        window.SetStringID(L"form");
        for (ZafWindowObject *field : fields)
            window.Add(field);
        window.Write(persistence);
        for (ZafWindowObject *field : fields)
            EXPECT_EQ(0, field->Error());
        read = std::make_unique<ZafWindow>(L"form", persistence);
        EXPECT_EQ(0, read->Error());
        return dynamic_cast<Field *>(read->FirstChild());
    }

    std::unique_ptr<ZafWindow> read;
};

} // namespace

TEST_F(ZafStringFieldStorage, AFieldComesBackWithItsTextFormatsAndStyles)
{
    ZafString *field = new ZafString(1, 1, 20, L"hello world", 40);
    field->SetStringID(L"name");
    field->SetUpperCase(true);
    field->SetPassword(true);
    field->SetJustification(2);
    field->SetOutputFormat(L"%d");
    field->SetFormatList(L"%x\n%d");
    field->SetRange(L"1..9");
    auto *copy = ReadBackFirst<ZafString>({field});
    ASSERT_NE(nullptr, copy);
    EXPECT_STREQ(L"hello world", copy->Text());
    EXPECT_EQ(40, copy->StringData()->MaxLength());
    EXPECT_TRUE(copy->UpperCase());
    EXPECT_TRUE(copy->Password());
    EXPECT_EQ(2, copy->Justification());
    EXPECT_STREQ(L"%d\n%x", copy->FormatListData()->Text());
    EXPECT_STREQ(L"1..9", copy->RangeData()->Text());
}

TEST_F(ZafStringFieldStorage, APromptKeepsItsRequestedRegionAndHotKey)
{
    ZafPrompt *prompt = new ZafPrompt(2, 3, 15, L"&Name");
    prompt->SetStringID(L"label");
    prompt->SetHotKey(L'n', 1);
    prompt->SetHzJustify(1);
    prompt->SetVtJustify(2);
    auto *copy = ReadBackFirst<ZafPrompt>({prompt});
    ASSERT_NE(nullptr, copy);
    EXPECT_STREQ(L"&Name", copy->Text());
    EXPECT_EQ(L'N', copy->HotKeyChar());
    EXPECT_EQ(1, copy->HotKeyIndex());
    EXPECT_EQ(1, copy->HzJustify());
    EXPECT_EQ(2, copy->VtJustify());
    EXPECT_EQ(2, copy->Region().left);
    EXPECT_EQ(16, copy->Region().right);
}

TEST_F(ZafStringFieldStorage, AMultiLineTextKeepsItsLinesAndWordWrap)
{
    ZafText *text = new ZafText(1, 1, 30, 5, L"first line\r\nsecond line");
    text->SetStringID(L"notes");
    text->SetWordWrap(false);
    text->SetViewOnly(true);
    text->SetJustification(1);
    auto *copy = ReadBackFirst<ZafText>({text, new ZafString(1, 7, 10, L"after")});
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(0, copy->Error());
    EXPECT_STREQ(L"first line\r\nsecond line", copy->Text());
    EXPECT_FALSE(copy->WordWrap());
    EXPECT_TRUE(copy->ViewOnly());
    EXPECT_EQ(1, copy->Justification());
    auto *after = dynamic_cast<ZafString *>(copy->Next());
    ASSERT_NE(nullptr, after);
    EXPECT_STREQ(L"after", after->Text());
}
