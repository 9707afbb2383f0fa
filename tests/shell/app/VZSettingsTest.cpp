#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>

#include "domain/schedule/QVServiceKeys.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/VZSettingKeys.h"
#include "shell/support/ShellAppTest.h"

namespace {

class VZSettings : public ShellAppTest
{
protected:
    std::wstring Folder() const { return scratch.Folder() + L"\\"; }
    std::wstring Cfg() const { return scratch.PathOf(L"quorvane.cfg"); }
    std::wstring Text(const wchar_t *key) const { return registry->GetText(key).CStr(); }
    void Set(const wchar_t *key, const wchar_t *value) { registry->GetString(key)->SetValue(KString(value)); }

    // The lines of the saved settings file.
    std::vector<std::string> SavedLines()
    {
        app->SaveSettingsFile();
        std::vector<std::string> lines;
        std::istringstream in(ReadBytes(Cfg()));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    static bool AnyLineStarts(const std::vector<std::string> &lines, const char *start)
    {
        for (const std::string &line : lines)
            if (line.rfind(start, 0) == 0)
                return true;
        return false;
    }
};

// Language files: line 1 name and locale code, line 2 a header, then texts.
class VZLanguages : public VZSettings
{
protected:
    void WriteLanguage(const wchar_t *file, const char *header, const char *text = "")
    {
        WriteBytes(scratch.PathOf(file), std::string(header) + "\r\nRegistry Version: 1.00\r\n" + text);
    }
    std::wstring ChosenFile()
    {
        KRString *entry = app->FindLanguage();
        if (!entry)
            return L"";
        KString name;
        entry->GetValue().GetField(name, 0);
        return name.CStr();
    }
};

} // namespace

TEST_F(VZSettings, TheDefaultsHold145SettingLinesAnd34ErrorTexts)
{
    int settings = 0, errors = 0, total = 0;
    bool inTexts = false;
    for (const wchar_t *const *line = VZApplication::DefaultsTable(); *line; ++line, ++total) {
        const std::wstring text = *line;
        inTexts = inTexts || text.rfind(L"Strings\\", 0) == 0;
        settings += inTexts ? 0 : 1;
        errors += (text.rfind(L"Strings\\Errors\\", 0) == 0 && text.find(L":String=") != std::wstring::npos) ? 1 : 0;
    }
    EXPECT_EQ(145, settings);
    EXPECT_EQ(34, errors);
    EXPECT_EQ(total, VZApplication::DefaultsCount());

    KRegistry fresh;
    EXPECT_EQ(0, fresh.AddDefaults(VZApplication::DefaultsTable()));   // every line is understood
    EXPECT_EQ(std::wstring(L"\\"), fresh.GetText(L"\\Database\\SetStatusChar").CStr());
    ASSERT_NE(nullptr, fresh.GetBool(L"\\Scoreboards\\Boot"));          // "bool" in small letters
}

TEST_F(VZSettings, DataFoldersStartAtTheProgramFolderAndAnEmptyTextKeepsThem)
{
    EXPECT_EQ(Folder(), Text(kKeyDataInDir));
    EXPECT_EQ(Folder(), Text(kKeyDataOutDir));
    EXPECT_EQ(Folder(), std::wstring(app->DataInFolder().FullName().CStr()));

    Set(kKeyDataInDir, L"C:\\meet\\in");
    EXPECT_EQ(L"C:\\meet\\in\\", Text(kKeyDataInDir));
    EXPECT_EQ(L"C:\\meet\\in\\", std::wstring(app->DataInFolder().FullName().CStr()));
    Set(kKeyDataInDir, L"");
    EXPECT_EQ(Folder(), Text(kKeyDataInDir));
    Set(kKeyDataOutDir, L"D:\\out\\");
    EXPECT_EQ(L"D:\\out\\", std::wstring(app->DataOutFolder().FullName().CStr()));
}

TEST_F(VZLanguages, TheSavedFileHoldsNoTextsAndNoLanguageList)
{
    WriteLanguage(L"de.lng", "Deutsch,de_DE");
    app->ListLanguages();
    Set(L"\\Strings\\Alerts\\Error", L"Edited");
    const std::vector<std::string> lines = SavedLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(0u, lines[0].rfind("Registry Version: 1.00", 0));
    EXPECT_FALSE(AnyLineStarts(lines, "Strings\\"));
    EXPECT_FALSE(AnyLineStarts(lines, "Language\\Choices\\"));
    EXPECT_TRUE(AnyLineStarts(lines, "Hardware\\MenuTimeOut:Int=5000"));
}

TEST_F(VZSettings, ReadingTheSavedFileGivesTheSameSettings)
{
    Set(L"\\Competition\\Name", L"Spring Meet");
    registry->GetInt(L"\\Hardware\\MenuTimeOut")->SetValue(7000);
    app->SaveSettingsFile();

    MakeApplication({});
    EXPECT_FALSE(app->SettingsLoaded());
    app->LoadSettingsFile();
    EXPECT_TRUE(app->SettingsLoaded());
    EXPECT_EQ(L"Spring Meet", Text(L"\\Competition\\Name"));
    EXPECT_EQ(7000, registry->GetInt(L"\\Hardware\\MenuTimeOut")->Value());
}

TEST_F(VZSettings, AFailedSaveLeavesTheOldFileWhole)
{
    WriteBytes(Cfg(), "Registry Version: 1.00\r\nCompetition\\Name:String=Old\r\n");
    const std::string before = ReadBytes(Cfg());
    // Held open without leave to replace it, the old file cannot give way to the new one.
    HANDLE held = CreateFileW(Cfg().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_THROW(app->SaveSettingsFile(), KX);
    CloseHandle(held);
    EXPECT_EQ(before, ReadBytes(Cfg()));
}

TEST_F(VZSettings, AFileThatExistsButCannotBeReadIsReported)
{
    WriteBytes(Cfg(), "Registry Version: 1.00\r\nCompetition\\Name:String=Old\r\n");
    HANDLE held = CreateFileW(Cfg().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_THROW(app->LoadSettingsFile(), KX);
    CloseHandle(held);
    EXPECT_FALSE(app->SettingsLoaded());
}

TEST_F(VZLanguages, TheLongestMatchingLocaleWinsWhateverTheFileOrder)
{
    for (bool usFirst : { true, false }) {
        SCOPED_TRACE(usFirst);
        WriteLanguage(L"a.lng", usFirst ? "English (US),en_US" : "English (UK),en_GB");
        WriteLanguage(L"b.lng", usFirst ? "English (UK),en_GB" : "English (US),en_US");
        MakeApplication({});
        app->ListLanguages();
        Set(kKeyLanguageChoice, L"en_GB.1252");
        EXPECT_EQ(usFirst ? L"b.lng" : L"a.lng", ChosenFile());
    }
}

TEST_F(VZLanguages, AmongEqualMatchesTheFirstListedWins)
{
    WriteLanguage(L"a.lng", "Deutsch,de_DE");
    WriteLanguage(L"b.lng", "Deutsch (Kopie),de_DE");
    app->ListLanguages();
    Set(kKeyLanguageChoice, L"de_DE.1252");
    const std::wstring first = registry->GetText(L"\\Language\\Choices\\1").CStr();
    EXPECT_EQ(first.substr(0, first.find(L',')), ChosenFile());
    Set(kKeyLanguageChoice, L"fr_FR.1252");
    EXPECT_EQ(L"", ChosenFile());
}

TEST_F(VZLanguages, AFileWhoseFirstLineHasNoLineEndIsNotListed)
{
    WriteBytes(scratch.PathOf(L"broken.lng"), "Deutsch,de_DE");
    WriteLanguage(L"good.lng", "Francais,fr_FR");
    EXPECT_TRUE(app->ListLanguages());
    EXPECT_EQ(L"good.lng,Francais,fr_FR", Text(L"\\Language\\Choices\\1"));
    EXPECT_EQ(nullptr, registry->GetString(L"\\Language\\Choices\\2"));
}

TEST_F(VZLanguages, LoadingAFileReplacesTheEnglishTexts)
{
    WriteLanguage(L"de.lng", ("Deutsch,de_DE," + std::string(40, 'x')).c_str(),
                  "Strings\\Alerts\\Error:String=Fehler\r\nStrings\\Alerts\\Message:String=Meldung\r\n");
    app->ListLanguages();
    Set(kKeyLanguageChoice, L"de_AT.850");
    EXPECT_TRUE(app->LoadLanguageFile());
    EXPECT_EQ(L"Fehler", Text(kKeyAlertError));
    EXPECT_EQ(L"Meldung", Text(kKeyAlertMessage));
    EXPECT_EQ(L"Copy", Text(kKeyAlertCopyTitle));   // a text the file lacks stays English
}

TEST_F(VZLanguages, AWrittenLanguageFileReadsBackTheSameTexts)
{
    WriteLanguage(L"de.lng", "Deutsch,de_DE", "Strings\\Alerts\\Error:String=Fehler\r\n");
    app->ListLanguages();
    Set(kKeyLanguageChoice, L"de_DE");
    ASSERT_TRUE(app->LoadLanguageFile());
    Set(L"\\Strings\\Alerts\\CopyTitle", L"Kopie");
    Set(L"\\Strings\\Errors\\1003", L"Fehler beim Laden der Programmdaten \x263A");   // beyond the code page
    ASSERT_TRUE(app->WriteLanguageFile());

    MakeApplication({});
    app->ListLanguages();
    Set(kKeyLanguageChoice, L"de_DE");
    ASSERT_TRUE(app->LoadLanguageFile());
    EXPECT_EQ(L"Fehler", Text(kKeyAlertError));
    EXPECT_EQ(L"Kopie", Text(kKeyAlertCopyTitle));
    EXPECT_EQ(L"Fehler beim Laden der Programmdaten \x263A", Text(L"\\Strings\\Errors\\1003"));
    EXPECT_EQ(L"de.lng,Deutsch,de_DE", Text(L"\\Language\\Choices\\1"));
}

TEST_F(VZLanguages, ChoosingAnotherLanguageIsSavedAndDropsTheWindowLayouts)
{
    WriteLanguage(L"de.lng", "Deutsch,de_DE");
    WriteLanguage(L"fr.lng", "Francais,fr_FR");
    app->ListLanguages();
    registry->Parse(L"Event\\Layout\\Results:String=0,0,100,100");
    Set(kKeyLanguageChoice, L"de_DE");
    const int german = app->LanguageIndex();
    ASSERT_GE(german, 0);
    app->SetLanguage(1 - german);
    EXPECT_EQ(L"fr_FR", Text(kKeyLanguageChoice));

    const std::vector<std::string> lines = SavedLines();
    EXPECT_TRUE(AnyLineStarts(lines, "Language\\Choice:String=fr_FR"));
    EXPECT_FALSE(AnyLineStarts(lines, "Event\\Layout\\"));
}
