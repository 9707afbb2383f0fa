#include <gtest/gtest.h>

#include <windows.h>

#include <cwctype>
#include <map>
#include <set>
#include <sstream>
#include <utility>

#include "domain/schedule/QVServiceKeys.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/VZDefaultTables.h"
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
    // Lists the language files, chooses the locale and loads its file.
    bool Choose(const wchar_t *locale)
    {
        app->ListLanguages();
        Set(kKeyLanguageChoice, locale);
        return app->LoadLanguageFile();
    }
};

// The text groups under "Strings\" with the line count each may reach
// (its group line and subgroup lines included), and whether every one of
// those texts is built in. Database holds one line more than the 17 of the
// original table: the "(done)" mark of the Goto list; Alerts one more than
// its 28: the message of a file dialog that refuses too long a path.
struct TextGroup
{
    const wchar_t *name;
    int lines;
    bool complete;
};
const TextGroup kTextGroups[] = {
    { L"Event", 131, false },    { L"Options", 115, false },     { L"MenuBar", 59, false },
    { L"Hardware", 41, false },  { L"Errors", 35, true },        { L"Alerts", 29, false },
    { L"SerialPort", 25, true }, { L"BlockSensor", 22, false },  { L"Database", 18, false },
    { L"Chart", 16, false },     { L"Print", 12, true },         { L"OtherSettings", 10, true },
    { L"About", 9, false },      { L"Dialog", 9, true },         { L"FileTypes", 8, true },
    { L"Scoreboards", 5, true }, { L"CharMode", 4, true },       { L"Menu", 4, true },
};

std::wstring Lower(std::wstring text)
{
    for (wchar_t &c : text)
        c = towlower(c);
    return text;
}

} // namespace

TEST_F(VZSettings, TheSettingsAreThe129ProgramLinesFollowedByTheImageBlock)
{
    const VZDefaultLines settings = VZDefaultSettings(), imaging = VZDefaultImagingSettings();
    EXPECT_EQ(129, settings.count);
    EXPECT_EQ(16, imaging.count);
    const wchar_t *const *table = VZApplication::DefaultsTable();
    for (int n = 0; n < settings.count + imaging.count; ++n) {
        const std::wstring line = table[n];
        EXPECT_NE(0u, line.rfind(L"Strings\\", 0)) << n;
        const bool image = line.rfind(L"Event\\Image\\", 0) == 0 && line.rfind(L"Event\\Image\\ToolBar\\", 0) != 0 &&
                           line != L"Event\\Image\\:=";
        EXPECT_EQ(n >= settings.count, image) << line.c_str();
    }
    EXPECT_EQ(std::wstring(L"Strings\\:="), table[settings.count + imaging.count]);

    KRegistry fresh;
    EXPECT_EQ(0, fresh.AddDefaults(table));   // every line is understood
    EXPECT_EQ(std::wstring(L"\\"), fresh.GetText(L"\\Database\\SetStatusChar").CStr());
    ASSERT_NE(nullptr, fresh.GetBool(L"\\Scoreboards\\Boot"));          // "bool" in small letters
    ASSERT_NE(nullptr, fresh.GetBool(L"\\Database\\File\\WriteVIF"));
    ASSERT_NE(nullptr, fresh.GetFloat(L"\\Chart\\LocalAlg\\SetMask"));
    ASSERT_NE(nullptr, fresh.GetInt(L"\\Event\\Image\\Print\\OverlayDPI"));
}

TEST_F(VZSettings, EveryTextLiesInOneOfTheEighteenGroupsOnceAndWithinItsCount)
{
    const VZDefaultLines texts = VZDefaultTexts();
    std::map<std::wstring, int> counts;
    std::set<std::wstring> keys, groups{ L"strings\\" };
    for (int n = 1; n < texts.count; ++n) {
        const std::wstring line = texts.lines[n];
        ASSERT_EQ(0u, line.rfind(L"Strings\\", 0)) << line.c_str();
        const size_t second = line.find(L'\\', 8);
        ASSERT_NE(std::wstring::npos, second) << line.c_str();
        ++counts[line.substr(8, second - 8)];
        const size_t colon = line.find(L':');
        const std::wstring key = Lower(line.substr(0, colon));
        // Each key once, and each text after the line of the group that holds it.
        EXPECT_TRUE(keys.insert(key).second) << line.c_str();
        const std::wstring parent = key.substr(0, key.find_last_of(L'\\', key.size() - 2) + 1);
        EXPECT_TRUE(groups.count(parent) || keys.count(parent.substr(0, parent.size() - 1))) << line.c_str();
        if (line.compare(colon, 2, L":=") == 0)
            groups.insert(key);
        else
            EXPECT_EQ(0, line.compare(colon, 8, L":String=")) << line.c_str();
    }
    int total = 1;
    for (const TextGroup &group : kTextGroups) {
        const int lines = counts[group.name];
        total += lines;
        EXPECT_LE(lines, group.lines) << group.name;
        if (group.complete) {
            EXPECT_EQ(group.lines, lines) << group.name;
        }
    }
    EXPECT_EQ(18u, counts.size());
    EXPECT_EQ(texts.count, total);
    EXPECT_EQ(VZDefaultSettings().count + VZDefaultImagingSettings().count + texts.count, VZApplication::DefaultsCount());
}

TEST_F(VZSettings, TextsReadByTheirFullKeyIncludingThoseBelowAText)
{
    const std::pair<const wchar_t *, const wchar_t *> samples[] = {
        { L"\\Strings\\Event\\Chart\\ExportBitmap\\Error", L"Unable to Export Bitmap" },
        { L"\\Strings\\Event\\Chart\\ExportBitmap\\Error\\General", L"Unable to export bitmap" },
        { L"\\Strings\\Event\\Results\\Print\\Fields\\Breaks", L"Breaks" },
        { L"\\Strings\\Options\\Chart\\BrushStyle\\Dash", L"Dot" },
        { L"\\Strings\\Scoreboards\\DefaultName", L"Scoreboard" },
        { L"\\Strings\\SerialPort\\DefaultName", L"SerialPort" },
        { L"\\Strings\\MenuBar\\File\\ScheduleNext", L"Ne&xt event" },
        { L"\\Strings\\SerialPort\\IPPort", L"" },   // left to the language files
    };
    for (const auto &sample : samples)
        EXPECT_EQ(std::wstring(sample.second), Text(sample.first)) << sample.first;
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
    EXPECT_TRUE(Choose(L"de_AT.850"));
    EXPECT_EQ(L"Fehler", Text(kKeyAlertError));
    EXPECT_EQ(L"Meldung", Text(kKeyAlertMessage));
    EXPECT_EQ(L"Copy", Text(kKeyAlertCopyTitle));   // a text the file lacks stays English
}

TEST_F(VZLanguages, GroupLinesInAFileKeepTheTextsTheFileLacks)
{
    WriteLanguage(L"de.lng", "Deutsch,de_DE",
                  "Strings\\Options\\:=\r\nStrings\\Options\\Chart\\Colors\\:=\r\n"
                  "Strings\\Options\\Chart\\Colors\\DarkRed:String=Dunkelrot\r\n"
                  "Strings\\Event\\Chart\\ExportBitmap\\Error\\General:String=Export nicht moeglich\r\n");
    ASSERT_TRUE(Choose(L"de_DE"));
    EXPECT_EQ(L"Dunkelrot", Text(L"\\Strings\\Options\\Chart\\Colors\\DarkRed"));
    EXPECT_EQ(L"Light Gray", Text(L"\\Strings\\Options\\Chart\\Colors\\LightGray"));
    EXPECT_EQ(L"Options", Text(L"\\Strings\\Options\\Title"));
    EXPECT_EQ(L"Unable to Export Bitmap", Text(L"\\Strings\\Event\\Chart\\ExportBitmap\\Error"));
    EXPECT_EQ(L"Export nicht moeglich", Text(L"\\Strings\\Event\\Chart\\ExportBitmap\\Error\\General"));
}

TEST_F(VZLanguages, AWrittenLanguageFileReadsBackTheSameTexts)
{
    WriteLanguage(L"de.lng", "Deutsch,de_DE", "Strings\\Alerts\\Error:String=Fehler\r\n");
    ASSERT_TRUE(Choose(L"de_DE"));
    Set(L"\\Strings\\Alerts\\CopyTitle", L"Kopie");
    Set(L"\\Strings\\Errors\\1003", L"Fehler beim Laden der Programmdaten \x263A");   // beyond the code page
    ASSERT_TRUE(app->WriteLanguageFile());

    MakeApplication({});
    ASSERT_TRUE(Choose(L"de_DE"));
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
