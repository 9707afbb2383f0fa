// The settings text on files and streams: header, round trips in both
// encodings, skipped lines, language-file merges and safe saving.
#include "foundation/log/KLog.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRString.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KReplacingFile.h"
#include "foundation/support/TestStreams.h"
#include "foundation/support/KTestApplication.h"
#include "foundation/support/RegistryTestTable.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace
{
bool Contains(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

// A replacing file whose writes fail once limit bytes have gone through.
class FailingFile : public KReplacingFile
{
public:
    FailingFile(const KString &target, int64_t limit) : KReplacingFile(target, 16), itsLimit(limit) {}

protected:
    void DoWrite(const void *buffer, int32_t count) override
    {
        itsWritten += count;
        if (itsWritten > itsLimit)
            throw KXStream(kErrDiskFull);
        KReplacingFile::DoWrite(buffer, count);
    }

private:
    int64_t itsLimit;
    int64_t itsWritten = 0;
};
} // namespace

TEST(KRegistryFile, DefaultsWrittenToAFileReadBackEqualInAFreshRegistry)
{
    ScratchFolder scratch;
    KRegistry registry(kTestDefaults);
    registry.GetInt(L"\\Serial\\ShortTimeout")->SetValue(250);
    registry.Save(scratch.File(L"t.cfg"), KStream::kEncoding8Bit);
    std::string bytes = scratch.ReadFile(L"t.cfg");
    EXPECT_EQ(bytes.substr(0, 24), "Registry Version: 1.00\r\n");
    EXPECT_TRUE(Contains(bytes, "Database\\SetStatusChar:String=\\\r\n"));
    EXPECT_TRUE(Contains(bytes, "Serial\\PromptTraceDL:Bool=1\r\n"));

    KRegistry fresh;
    EXPECT_EQ(fresh.Load(scratch.File(L"t.cfg")), KStream::kEncoding8Bit);
    EXPECT_EQ(Lines(fresh), Lines(registry));
    EXPECT_EQ(fresh.GetText(L"\\Database\\SetStatusChar"), L"\\");
    EXPECT_DOUBLE_EQ(fresh.GetFloat(L"\\Chart\\LocalAlg\\SetMask")->Value(), 0.6);
    EXPECT_EQ(fresh.GetInt(L"\\Serial\\ShortTimeout")->Value(), 250);
}

TEST(KRegistryFile, OmittedNodesAndUnsavedGroupsAreLeftOut)
{
    KRegistry registry(kTestDefaults);
    registry.GetInt(L"\\Serial\\ShortTimeout")->SetOmitted(true);
    registry.GetGroup(L"\\Strings")->SetSaved(false);
    registry.GetGroup(L"\\Language\\Choices")->SetSaved(false);
    registry.Parse(L"Event\\Layout\\Chart1:String=0,26,100,100,Bottom");
    registry.GetGroup(L"\\Event\\Layout")->SetOmitted(true);
    std::string text = Lines(registry);
    EXPECT_FALSE(Contains(text, "ShortTimeout"));
    EXPECT_TRUE(Contains(text, "Serial\\PromptTraceDL"));
    EXPECT_FALSE(Contains(text, "Strings"));
    EXPECT_FALSE(Contains(text, "Choices"));
    EXPECT_FALSE(Contains(text, "Layout"));
    EXPECT_TRUE(Contains(text, "Language\\Choice:String="));

    // Written directly, an unsaved group still writes itself and its subtree.
    std::string strings = Lines(*registry.GetGroup(L"\\Strings"));
    EXPECT_TRUE(Contains(strings, "Registry Version: 1.00\nStrings\\:=\nStrings\\Alerts\\:=\n"));
    EXPECT_TRUE(Contains(strings, "Strings\\Event\\Chart\\ExportBitmap\\Error\\Memory:String=Not enough memory\n"));
}

TEST(KRegistryFile, SixteenBitFileWithByteOrderMarkReadsBackEqual)
{
    ScratchFolder scratch;
    KRegistry registry(kTestDefaults);
    registry.GetString(L"\\Competition\\Name")->SetValue(KString(L"Z\x00FCrich \x65E5\x672C"));
    registry.Save(scratch.File(L"w.cfg"), KStream::kEncoding16Bit);
    std::string bytes = scratch.ReadFile(L"w.cfg");
    EXPECT_EQ(bytes.substr(0, 6), std::string("\xFF\xFE" "R\0e\0", 6));

    KRegistry fresh;
    EXPECT_EQ(fresh.Load(scratch.File(L"w.cfg")), KStream::kEncoding16Bit);
    EXPECT_EQ(Lines(fresh), Lines(registry));
    EXPECT_EQ(fresh.GetText(L"\\Competition\\Name"), L"Z\x00FCrich \x65E5\x672C");
}

TEST(KRegistryFile, EightBitSaveSwitchesToSixteenBitRatherThanLoseACharacter)
{
    ScratchFolder scratch;
    KRegistry registry(kTestDefaults);
    EXPECT_EQ(registry.Save(scratch.File(L"a.cfg"), KStream::kEncodingDetect), KStream::kEncoding8Bit);
    EXPECT_EQ(scratch.ReadFile(L"a.cfg").substr(0, 8), "Registry");

    registry.GetString(L"\\Competition\\Name")->SetValue(KString(L"\xFF52\x65E5 Meet"));
    EXPECT_EQ(registry.Save(scratch.File(L"a.cfg"), KStream::kEncoding8Bit), KStream::kEncoding16Bit);
    EXPECT_EQ(scratch.ReadFile(L"a.cfg").substr(0, 2), "\xFF\xFE");
    KRegistry fresh;
    EXPECT_EQ(fresh.Load(scratch.File(L"a.cfg")), KStream::kEncoding16Bit);
    EXPECT_EQ(fresh.GetText(L"\\Competition\\Name"), L"\xFF52\x65E5 Meet");
}

TEST(KRegistryFile, GarbageLinesAreSkippedAndTheLinesAfterThemApply)
{
    KRegistry registry(kTestDefaults);
    MemoryStream stream(std::string("Registry Version: 1.00\r\n"
                                    "Serial\\ShortTimeout:Int=200\r\n"
                                    "\x01\x02 garbage without structure\r\n"
                                    "\r\n"
                                    "Serial\\LongTimeout=5\r\n"
                                    "Serial\\AddDLToOvly:Bool=1\r\n"
                                    "Competition\\Name:String=last line without end"));
    EXPECT_EQ(registry.Read(stream), 2);
    EXPECT_EQ(registry.GetInt(L"\\Serial\\ShortTimeout")->Value(), 200);
    EXPECT_TRUE(registry.GetBool(L"\\Serial\\AddDLToOvly")->Value());
    EXPECT_EQ(registry.GetText(L"\\Competition\\Name"), L"last line without end");
}

TEST(KRegistryFile, SkippedLinesAreLoggedWithTheSourceTheirLineNumberInItAndWhy)
{
    ScratchFolder scratch;
    KRNode::ReadReport report;
    {
        KTestApplication app;
        app.SetProgram(scratch.File(L"program.exe").CStr());
        KLog log;
        KSetProgramLog(&log);
        KRegistry registry(kTestDefaults);
        // What follows a language file's first line: its header is the file's line 2.
        MemoryStream stream(std::string("Registry Version: 1.00\r\n"
                                        "Serial\\ShortTimeout:Int=200\r\n"
                                        "Strings\\Alerts\\Error String=Fehler\r\n"
                                        "\r\n"
                                        "Serial\\LongTimeout:Int 5\r\n"
                                        "Serial\\Strange:Colour=red\r\n"
                                        "Serial\\ShortTimeout:Int=soon\r\n"));
        EXPECT_EQ(registry.Read(stream, KString(L"C:\\q\\Deutsch.lng"), 2, &report), 4);
        EXPECT_EQ(registry.GetInt(L"\\Serial\\ShortTimeout")->Value(), 200);
        KSetProgramLog(nullptr);
    }
    EXPECT_EQ(report.skipped, 4);
    EXPECT_EQ(report.firstSkipped, 4);
    EXPECT_EQ(report.firstReason, L"no \":\" after the path");
    std::string log = scratch.ReadFile(L"program.log");
    EXPECT_TRUE(Contains(log, "KRNode::Read: C:\\q\\Deutsch.lng line 4 skipped: no \":\" after the path")) << log;
    EXPECT_TRUE(Contains(log, "Deutsch.lng line 6 skipped: no \"=\" after the type")) << log;
    EXPECT_TRUE(Contains(log, "Deutsch.lng line 7 skipped: unknown type")) << log;
    EXPECT_TRUE(Contains(log, "Deutsch.lng line 8 skipped: the value does not suit the setting")) << log;
}

TEST(KRegistryFile, DamagedFilesNeverCrash)
{
    KRegistry registry(kTestDefaults);
    std::string longLine = "Competition\\Name:String=" + std::string(10000, 'x') + "\n";
    MemoryStream huge("Registry Version: 1.00\n" + longLine + "Serial\\ShortTimeout:Int=3\n");
    registry.Read(huge);
    EXPECT_EQ(registry.GetText(L"\\Competition\\Name").Length(), KRNode::kMaxLine - 24);
    EXPECT_EQ(registry.GetInt(L"\\Serial\\ShortTimeout")->Value(), 3);

    MemoryStream truncated(std::string("\xFF\xFE" "R\0\n\0S\0:\0", 11));
    registry.Read(truncated);
    MemoryStream empty;
    EXPECT_EQ(registry.Read(empty), 0);
    MemoryStream nul(std::string("R\n\0\0\0:=\n", 8));
    registry.Read(nul);
    EXPECT_EQ(registry.GetInt(L"\\Serial\\ShortTimeout")->Value(), 3);
}

TEST(KRegistryFile, LanguageFileMergeReplacesTheEnglishText)
{
    KRegistry registry(kTestDefaults);
    EXPECT_EQ(registry.GetText(L"\\Strings\\Alerts\\Error"), L"Error");
    MemoryStream language(std::string("Deutsch,de_DE,more\nRegistry Version: 1.00\n"
                                      "Strings\\Alerts\\Error:String=Fehler\n"));
    KString15 header;
    EXPECT_EQ(language.ReadLine(header), L'\n');
    EXPECT_EQ(registry.Read(language), 0);
    EXPECT_EQ(registry.GetText(L"\\Strings\\Alerts\\Error"), L"Fehler");
    EXPECT_EQ(language.ReadEncoding(), KStream::kEncoding8Bit);
}

TEST(KRegistryFile, AFirstLineThatIsNoHeaderIsSkippedWithALogWarning)
{
    ScratchFolder scratch;
    {
        KTestApplication app;
        app.SetProgram(scratch.File(L"program.exe").CStr());
        KLog log;
        KSetProgramLog(&log);
        KRegistry registry(kTestDefaults);
        MemoryStream stream(std::string("Serial\\ShortTimeout:Int=1\nSerial\\AddDLToOvly:Bool=1\n"));
        registry.Read(stream);
        EXPECT_EQ(registry.GetInt(L"\\Serial\\ShortTimeout")->Value(), 1000);
        EXPECT_TRUE(registry.GetBool(L"\\Serial\\AddDLToOvly")->Value());
        MemoryStream good(std::string("Registry Version: 1.00\n"));
        registry.Read(good);
        KSetProgramLog(nullptr);
    }
    std::string log = scratch.ReadFile(L"program.log");
    EXPECT_TRUE(Contains(log, "not a registry header"));
    EXPECT_TRUE(Contains(log, "Serial\\ShortTimeout:Int=1"));
    EXPECT_EQ(log.find("not a registry header"), log.rfind("not a registry header"));
}

TEST(KRegistryFile, AFailedSaveLeavesThePreviousFileByteForByte)
{
    ScratchFolder scratch;
    const std::string previous = "Registry Version: 1.00\r\nSerial\\ShortTimeout:Int=42\r\n";
    scratch.WriteFile(L"s.cfg", previous);
    KRegistry registry(kTestDefaults);
    {
        FailingFile file(scratch.File(L"s.cfg"), 300);
        try {
            registry.Save(file, KStream::kEncoding8Bit);
            FAIL() << "the save did not fail";
        } catch (const KXStream &error) {
            EXPECT_EQ(error.Code(), kErrDiskFull);
        }
    }
    EXPECT_EQ(scratch.ReadFile(L"s.cfg"), previous);
    EXPECT_FALSE(KFile(scratch.File(L"s.cfg.tmp").CStr()).Exists());

    // A temporary file that cannot be made (a folder in its place) fails the same way.
    CreateDirectoryW(scratch.File(L"s.cfg.tmp").CStr(), nullptr);
    EXPECT_THROW(registry.Save(scratch.File(L"s.cfg"), KStream::kEncoding8Bit), KXStream);
    EXPECT_EQ(scratch.ReadFile(L"s.cfg"), previous);
}

TEST(KRegistryFile, SavingIntoAFolderPathThatIsAFileFailsCleanly)
{
    ScratchFolder scratch;
    scratch.WriteFile(L"plain", "not a folder");
    KRegistry registry(kTestDefaults);
    try {
        registry.Save(scratch.File(L"plain\\s.cfg"), KStream::kEncoding8Bit);
        FAIL() << "the save did not fail";
    } catch (const KXStream &error) {
        EXPECT_EQ(error.Code(), kErrFileWrite);
    }
    EXPECT_EQ(scratch.ReadFile(L"plain"), "not a folder");
}

TEST(KRegistryFile, LoadOfAMissingOrEmptyFileReadsNothing)
{
    ScratchFolder scratch;
    KRegistry registry(kTestDefaults);
    const std::string before = Lines(registry);
    EXPECT_EQ(registry.Load(scratch.File(L"none.cfg")), -1);
    scratch.WriteFile(L"empty.cfg", "");
    EXPECT_EQ(registry.Load(scratch.File(L"empty.cfg")), -1);
    EXPECT_EQ(Lines(registry), before);
}
