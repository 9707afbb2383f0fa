// KRegistry and its nodes: defaults, lookups, lines, handlers and the tree.
#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRInt.h"
#include "foundation/registry/KRRat.h"
#include "foundation/registry/KRString.h"
#include "foundation/registry/KRValueOr.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/support/TestStreams.h"
#include "foundation/support/RegistryTestTable.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

TEST(KRegistryDefaults, TableLinesBecomeTypedSettings)
{
    KRegistry registry(kTestDefaults);
    EXPECT_EQ(registry.GetText(L"\\Database\\SetStatusChar"), L"\\");
    EXPECT_EQ(registry.GetText(L"\\Database\\Serial\\SerialPort"), L"0,9600,8,N,1.0");
    ASSERT_NE(registry.GetBool(L"\\Serial\\PromptTraceDL"), nullptr);
    EXPECT_TRUE(registry.GetBool(L"Serial\\PromptTraceDL")->Value());
    EXPECT_DOUBLE_EQ(registry.GetFloat(L"\\Chart\\LocalAlg\\SetMask")->Value(), 0.6);
    EXPECT_DOUBLE_EQ(registry.GetFloat(L"\\Chart\\Axes\\MinX")->Value(), -3.0);
    EXPECT_EQ(registry.GetInt(L"\\Serial\\ShortTimeout")->Value(), 1000);
    EXPECT_NE(registry.GetGroup(L"\\Event\\Results\\Lanes\\"), nullptr);
    EXPECT_EQ(registry.GetGroup(L"\\Event\\Results\\Lanes")->ChildCount(), 0);
}

TEST(KRegistryDefaults, LookupsOfMissingOrOtherTypesAnswerNoneAndTheSharedEmptyText)
{
    KRegistry registry(kTestDefaults);
    EXPECT_EQ(registry.GetString(L"\\Serial\\ShortTimeout"), nullptr);
    EXPECT_EQ(registry.GetInt(L"\\Serial\\Missing"), nullptr);
    EXPECT_EQ(registry.GetGroup(L"\\Serial\\ShortTimeout"), nullptr);
    const KString &missing = registry.GetText(L"\\Strings\\Nowhere\\Key");
    EXPECT_TRUE(missing.IsEmpty());
    EXPECT_EQ(&missing, &registry.GetText(L"\\Serial\\ShortTimeout"));
    EXPECT_EQ(&missing, &KRNode::EmptyText());
}

TEST(KRegistryDefaults, ValueOrReadsTheTypedSettingAndFallsBackForMissingOtherTypeOrNoSettings)
{
    KRegistry registry(kTestDefaults);
    EXPECT_EQ(KRIntOr(&registry, L"\\Serial\\ShortTimeout", 7), 1000);
    EXPECT_DOUBLE_EQ(KRFloatOr(&registry, L"\\Chart\\Axes\\MinX", 7.0), -3.0);
    EXPECT_TRUE(KRBoolOr(&registry, L"\\Serial\\PromptTraceDL", false));
    EXPECT_EQ(KRStringOr(&registry, L"\\Database\\SetStatusChar", KString(L"x")), L"\\");

    EXPECT_EQ(KRIntOr(&registry, L"\\Database\\SetStatusChar", 7), 7);
    EXPECT_DOUBLE_EQ(KRFloatOr(&registry, L"\\Serial\\ShortTimeout", 7.5), 7.5);
    EXPECT_FALSE(KRBoolOr(&registry, L"\\Serial\\Missing", false));
    EXPECT_EQ(KRStringOr(&registry, L"\\Serial\\ShortTimeout", KString(L"x")), L"x");
    EXPECT_EQ(KRIntOr(nullptr, L"\\Serial\\ShortTimeout", 7), 7);
    EXPECT_EQ(KRStringOr(nullptr, L"\\Database\\SetStatusChar", KString(L"x")), L"x");
}

TEST(KRegistryDefaults, NamesAreMatchedIgnoringCaseAndTextReferencesStayValid)
{
    KRegistry registry(kTestDefaults);
    const KString &error = registry.GetText(L"\\Strings\\Alerts\\Error");
    EXPECT_EQ(&error, &registry.GetText(L"\\strings\\ALERTS\\error"));
    registry.Parse(L"Strings\\Alerts\\Error:String=Fehler");
    EXPECT_EQ(error, L"Fehler");
    EXPECT_EQ(registry.GetGroup(L"\\Strings\\Alerts")->ChildCount(), 1);
}

TEST(KRegistryLines, MalformedLinesAreRefusedAndChangeNothing)
{
    KRegistry registry(kTestDefaults);
    const std::string before = Lines(registry);
    const wchar_t *bad[] = {
        L"no colon here",
        L"Serial\\ShortTimeout:Int",
        L"Serial\\ShortTimeout:Int=12abc",
        L"Serial\\ShortTimeout:Int=",
        L"Serial\\ANameLongerThan15:Int=1",
        L"Serial\\New:Double=1",
        L":String=no path",
        L"Chart\\Axes\\MinX:Float=nan",
        L"Chart\\Axes\\MaxX:Float=2,5",
        L"Chart\\New:Rat=1/0",
        L"Chart\\Half:Rat=3/",
        L"Chart\\Gap:Rat=1 2",
        L"Serial\\PromptTraceDL:Bool=maybe",
        L"Serial\\Fresh:Int,0..=5",
        L"Serial\\Dot:Int,1.5=1",
        L"Serial\\Tail:Int,1..5 x=1",
        L"Serial\\Other:Int,abc=1",
        L"",
    };
    for (const wchar_t *line : bad)
        EXPECT_EQ(registry.ParseLine(KString(line)), kErrFileContents) << line;
    EXPECT_EQ(Lines(registry), before);
}

TEST(KRegistryLines, ValuesRunToTheEndOfTheLineVerbatim)
{
    KRegistry registry;
    ASSERT_NE(registry.Parse(L"  A\\Format : String =  %d = x:y\\  "), nullptr);
    EXPECT_EQ(registry.GetText(L"\\A\\Format"), L"  %d = x:y\\  ");
    ASSERT_NE(registry.Parse(L"\\Lead\\Slash:INT=0x10"), nullptr);
    EXPECT_EQ(registry.GetInt(L"Lead\\Slash")->Value(), 16);
    ASSERT_NE(registry.Parse(L"A\\\\Double\\\\Sep:int= -7 "), nullptr);
    EXPECT_EQ(registry.GetInt(L"\\A\\Double\\Sep")->Value(), -7);
}

TEST(KRegistryLines, AnExistingNodeKeepsItsTypeAndLimits)
{
    KRegistry registry(kTestDefaults);
    KRInt *crop = registry.GetInt(L"\\Event\\Image\\AutoCrop");
    ASSERT_NE(crop, nullptr);
    EXPECT_TRUE(crop->HasLimits());
    registry.Parse(L"Event\\Image\\AutoCrop:Int,0..1000=500");
    EXPECT_EQ(crop->Value(), 100);
    EXPECT_EQ(crop->Maximum(), 100);
    registry.Parse(L"Event\\Image\\AutoCrop:String=7");
    EXPECT_EQ(registry.GetInt(L"\\Event\\Image\\AutoCrop"), crop);
    EXPECT_EQ(crop->Value(), 7);
    EXPECT_EQ(crop->SetValue(-5), true);
    EXPECT_EQ(crop->Value(), 0);
}

TEST(KRegistryValues, IntLimitsBoolWordsFloatsAndRationalsReadAndWriteBack)
{
    const wchar_t *const lines[] = {
        L"V\\Limited:Int,10..-10=99",
        L"V\\On:Bool=Yes",
        L"V\\Off:bool=0",
        L"V\\Third:Float=0.1",
        L"V\\Sum:Float=0.30000000000000004",
        L"V\\Ratio:Rat=6/-8",
        L"V\\Whole:rat=5",
        nullptr,
    };
    KRegistry registry(lines);
    EXPECT_EQ(registry.GetInt(L"V\\Limited")->Minimum(), -10);
    EXPECT_EQ(registry.GetInt(L"V\\Limited")->Value(), 10);
    EXPECT_EQ(registry.GetRat(L"V\\Ratio")->Value(), KRational(-3, 4));
    EXPECT_EQ(Lines(registry), "Registry Version: 1.00\n"
                               "V\\:=\n"
                               "V\\Limited:Int,-10..10=10\n"
                               "V\\On:Bool=1\n"
                               "V\\Off:Bool=0\n"
                               "V\\Third:Float=0.1\n"
                               "V\\Sum:Float=0.30000000000000004\n"
                               "V\\Ratio:Rat=-3/4\n"
                               "V\\Whole:Rat=5/1\n");
}

TEST(KRegistryValues, FloatsUseAPointWhateverTheRuntimeLocale)
{
    std::string previous = setlocale(LC_NUMERIC, nullptr);
    if (!setlocale(LC_NUMERIC, "German_Germany.1252") && !setlocale(LC_NUMERIC, "de-DE"))
        GTEST_SKIP() << "no German locale in this runtime";
    ASSERT_STRNE(std::localeconv()->decimal_point, ".");
    KRegistry registry;
    KRFloat *mask = static_cast<KRFloat *>(registry.Parse(L"Mask:Float=0.6"));
    bool commaRefused = registry.Parse(L"Other:Float=2,5") == nullptr;
    KString written;
    if (mask)
        mask->WriteValue(written);
    setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_NE(mask, nullptr);
    EXPECT_DOUBLE_EQ(mask->Value(), 0.6);
    EXPECT_EQ(written, L"0.6");
    EXPECT_TRUE(commaRefused);
}

TEST(KRegistryValues, LineBreaksInTextsAreWrittenAsBlanks)
{
    KRegistry registry;
    KRString *text = static_cast<KRString *>(registry.Parse(L"T:String=x"));
    text->SetValue(KString(L"one\r\nSerial\\ShortTimeout:Int=0"));
    EXPECT_EQ(Lines(registry), "Registry Version: 1.00\nT:String=one  Serial\\ShortTimeout:Int=0\n");
}

namespace
{
bool Normalise(KRString &node, const KString &text, void *context)
{
    ++*static_cast<int *>(context);
    KString folder(text);
    if (!folder.IsEmpty() && folder[folder.Length() - 1] != L'\\')
        folder.AppendChar(L'\\');
    return KRString::DefaultChangeHandler(node, folder, nullptr);
}

bool RefuseNegative(KRInt &node, int32_t value, void *)
{
    return value >= 0 && KRInt::DefaultChangeHandler(node, value, nullptr);
}
} // namespace

TEST(KRegistryHandlers, HandlersSeeEveryValueIncludingFileLinesAndMayRefuse)
{
    KRegistry registry(kTestDefaults);
    int calls = 0;
    KRString *folder = registry.GetString(L"\\Event\\Directory");
    folder->SetChangeHandler(Normalise, &calls);
    EXPECT_TRUE(folder->SetValue(KString(L"C:\\data")));
    EXPECT_EQ(folder->GetValue(), L"C:\\data\\");
    registry.Parse(L"Event\\Directory:String=D:\\in");
    EXPECT_EQ(folder->GetValue(), L"D:\\in\\");
    EXPECT_EQ(calls, 2);
    folder->SetChangeHandler(nullptr, nullptr);
    folder->SetValue(KString(L"E:"));
    EXPECT_EQ(folder->GetValue(), L"E:");

    KRInt *timeout = registry.GetInt(L"\\Serial\\ShortTimeout");
    timeout->SetChangeHandler(RefuseNegative, nullptr);
    EXPECT_FALSE(timeout->SetValue(-1));
    EXPECT_EQ(timeout->Value(), 1000);
    EXPECT_EQ(registry.ParseLine(KString(L"Serial\\ShortTimeout:Int=-5")), kErrFileContents);
    EXPECT_EQ(timeout->Value(), 1000);
}

TEST(KRegistryTree, AValueNodeMayHoldChildren)
{
    KRegistry registry(kTestDefaults);
    KRString *error = registry.GetString(L"\\Strings\\Event\\Chart\\ExportBitmap\\Error");
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->GetValue(), L"Unable to Export Bitmap");
    EXPECT_EQ(error->ChildCount(), 2);
    EXPECT_EQ(registry.GetText(L"\\Strings\\Event\\Chart\\ExportBitmap\\Error\\Memory"), L"Not enough memory");
    EXPECT_EQ(registry.GetString(L"\\Strings\\Event\\Chart\\ExportBitmap\\Error\\General")->Parent(), error);
}

TEST(KRegistryTree, ChildrenOrderPathsDepthAndIndex)
{
    KRegistry registry(kTestDefaults);
    KRNode *serial = registry.GetGroup(L"\\Serial");
    KRNode *timeout = serial->ChildAt(0);
    EXPECT_EQ(timeout->Name(), L"ShortTimeout");
    EXPECT_EQ(serial->NextChild(timeout)->Name(), L"PromptTraceDL");
    EXPECT_EQ(serial->ChildAt(3), nullptr);
    EXPECT_EQ(timeout->GetDepth(), 2);
    KString path;
    timeout->GetPath(path);
    EXPECT_EQ(path, L"\\Serial\\ShortTimeout");

    KRNode *first = KRegistry::FindPrototype(KString(L"String"))->NewNode();
    first->AppendName(KString(L"A:Very\\Long=Name\nIndeed"));
    EXPECT_EQ(first->Name(), L"AVeryLongNameIn");
    serial->AddChild(first, nullptr);
    KRNode *second = KRegistry::FindPrototype(KString(L"Int"))->NewNode();
    second->AppendName(KString(L"After"));
    serial->AddChild(second, timeout);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(timeout->Index(), 1);
    EXPECT_EQ(second->Index(), 2);
    delete second;
    EXPECT_EQ(serial->ChildCount(), 4);
    EXPECT_EQ(serial->NextChild(timeout)->Name(), L"PromptTraceDL");
}
