// Window objects and windows written to a storage and read back.

#include "ZafMemoryPersistence.h"
#include "ZafStorageTestSupport.h"

#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/core/objects/ZafWindow.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

ZafEventType StoredHook(ZafWindowObject *, ZafEventStruct &, ZafEventType code)
{
    return code;
}

int ReverseOrder(ZafElement *a, ZafElement *b)
{
    return b->NumberID() - a->NumberID();
}

int userThing = 42;

// A window class of its own that stores itself on an extra level, as the
// dialog classes do.
class SampleDialog : public ZafWindow
{
public:
    static constexpr ZafClassID sampleID = 3999;
    SampleDialog() : ZafWindow(0, 0, 20, 5) { }
    SampleDialog(const ZafIChar *name, ZafObjectPersistence &persistence)
        : ZafWindow(name, ZafObjectPersistence::PushLevel(persistence, L"SampleDialog", sampleID))
    {
        ZafObjectPersistence::PopLevel(persistence);
    }
    ZafClassID ClassID() const override { return sampleID; }
    ZafClassName ClassName() const override { return L"SampleDialog"; }
    ZafObjectConstructor NewFunction() const override { return New; }
    static ZafElement *New(const ZafIChar *name, ZafObjectPersistence &persistence)
    {
        return new SampleDialog(name, persistence);
    }
    void Write(ZafObjectPersistence &persistence) override
    {
        ZafObjectPersistence::PushLevel(persistence, L"SampleDialog", sampleID);
        ZafWindow::Write(persistence);
        ZafObjectPersistence::PopLevel(persistence);
    }
};

class ZafWindowStorage : public ::testing::Test, protected ZafMemoryPersistence
{
protected:
    void SetUp() override
    {
        Construct<ZafWindowObject, ZafWindow>();
        persistence.AddUserFunction(L"StoredHook", StoredHook);
        persistence.AddUserObject(L"userThing", &userThing);
        persistence.AddCompareFunction(L"ReverseOrder", ReverseOrder);
    }
};

void ExpectSameObject(const ZafWindowObject &a, const ZafWindowObject &b)
{
    ZafRegionStruct ra = a.Region(), rb = b.Region();
    EXPECT_EQ(ra.left, rb.left);
    EXPECT_EQ(ra.top, rb.top);
    EXPECT_EQ(ra.right, rb.right);
    EXPECT_EQ(ra.bottom, rb.bottom);
    EXPECT_EQ(ra.coordinateType, rb.coordinateType);
    EXPECT_STREQ(a.StringID(), b.StringID());
    EXPECT_EQ(a.NumberID(), b.NumberID());
    EXPECT_EQ(a.IsDisabled(false), b.IsDisabled(false));
    EXPECT_EQ(a.IsVisible(false), b.IsVisible(false));
    EXPECT_EQ(a.Border(), b.Border());
    EXPECT_EQ(a.DropTarget(), b.DropTarget());
    EXPECT_EQ(a.SystemDrawn(), b.SystemDrawn());
    EXPECT_EQ(a.FocusBlocked(), b.FocusBlocked());
    EXPECT_EQ(a.CoordinateType(), b.CoordinateType());
    EXPECT_EQ(a.RegionMode(), b.RegionMode());
}

// How many children the window stored as id reads back with; -1 where reading
// it fails.
int ChildrenReadBack(const wchar_t *id, ZafObjectPersistence &persistence)
{
    ZafWindow read(id, persistence);
    return read.Error() ? -1 : read.ZafList::Count();
}

} // namespace

TEST_F(ZafWindowStorage, WindowWithTwoChildrenReadsBackEqual)
{
    ZafWindow window(2, 3, 40, 12);
    window.SetStringID(L"main");
    window.SetNumberID(5);
    window.SetHelpTopic(L"Main window");
    window.SetTipText(L"tip");
    window.SetLocked(true);
    window.SetSizeable(false);
    auto *first = new ZafWindowObject(1, 1, 10, 1);
    first->SetStringID(L"first");
    first->SetNumberID(11);
    first->SetBorder(true);
    first->SetDisabled(true);
    first->SetDropTarget(true);
    first->SetUserFunction(StoredHook);
    first->SetUserObject(&userThing);
    first->SetExtra1(7);
    first->SetExtraText(L"extra");
    auto *second = new ZafWindowObject(1, 3, 20, 2);
    second->SetNumberID(12);
    second->SetVisible(false);
    second->SetRegionMode(2);
    window.Add(first);
    window.Add(second);
    window.Write(persistence);
    ASSERT_EQ(0, window.Error());
    EXPECT_STREQ(L"FIELD_12", second->StringID());

    ZafWindow read(L"main", persistence);
    ASSERT_EQ(0, read.Error());
    ExpectSameObject(window, read);
    EXPECT_STREQ(L"Main window", read.HelpTopic());
    EXPECT_STREQ(L"tip", read.TipText());
    EXPECT_TRUE(read.Locked());
    EXPECT_FALSE(read.Sizeable());
    EXPECT_TRUE(read.Moveable());
    EXPECT_EQ(window.ClientSize().right, read.ClientSize().right);
    EXPECT_EQ(window.ClientSize().bottom, read.ClientSize().bottom);
    ASSERT_EQ(2, read.ZafList::Count());
    auto *readFirst = static_cast<ZafWindowObject *>(read.ZafList::First());
    auto *readSecond = static_cast<ZafWindowObject *>(readFirst->Next());
    ExpectSameObject(*first, *readFirst);
    ExpectSameObject(*second, *readSecond);
    EXPECT_EQ(&read, readFirst->Parent());
    EXPECT_EQ(StoredHook, readFirst->UserFunction());
    EXPECT_EQ(&userThing, readFirst->UserObject());
    EXPECT_EQ(7, readFirst->Extra1());
    EXPECT_STREQ(L"extra", readFirst->ExtraText());
    ZafIChar cwd[32];
    storage.GetCWD(cwd, 32);
    EXPECT_STREQ(L"~", cwd);
}

TEST_F(ZafWindowStorage, NestedWindowsKeepTheirOwnChildrenAndCompareFunction)
{
    ZafWindow outer(0, 0, 50, 20);
    outer.SetStringID(L"outer");
    auto *inner = new ZafWindow(1, 1, 20, 10);
    inner->SetStringID(L"inner");
    inner->SetCompareFunction(ReverseOrder);
    for (int id = 1; id <= 3; ++id) {
        auto *child = new ZafWindowObject(0, id, 5, 1);
        child->SetNumberID(ZafNumberID(id));
        inner->Add(child);
    }
    outer.Add(inner);
    outer.Add(new ZafWindowObject(30, 1, 5, 1));
    outer.Write(persistence);
    ASSERT_EQ(0, outer.Error());

    ZafWindow read(L"outer", persistence);
    ASSERT_EQ(0, read.Error());
    ASSERT_EQ(2, read.ZafList::Count());
    auto *readInner = dynamic_cast<ZafWindow *>(read.GetObjectByStringID(L"inner"));
    ASSERT_NE(nullptr, readInner);
    EXPECT_EQ(ReverseOrder, readInner->CompareFunction());
    ASSERT_EQ(3, readInner->ZafList::Count());
    EXPECT_EQ(3, readInner->ZafList::First()->NumberID());
}

TEST_F(ZafWindowStorage, WritingAWindowAgainReplacesItsEarlierChildren)
{
    ZafWindow window(0, 0, 10, 10);
    window.SetStringID(L"w");
    auto *child = new ZafWindowObject(0, 0, 1, 1);
    child->SetStringID(L"gone");
    window.Add(child);
    window.Write(persistence);
    delete window.Subtract(child);
    window.Write(persistence);
    EXPECT_EQ(0, ChildrenReadBack(L"w", persistence));
}

TEST_F(ZafWindowStorage, StoredFlagWord0x0480GivesVisibleAndSystemDrawnOnly)
{
    ZafWindowObject object(1, 2, 3, 4);
    object.SetStringID(L"plain");
    object.Write(persistence);
    ASSERT_EQ(0, object.Error());
    ZafStorageFile *file = storage.Open(L"~plain~objectData", ZAF_FILE_READWRITE);
    ASSERT_NE(nullptr, file);
    file->Seek(2 + 16, 0);
    file->WriteUInt16(0x0480);
    storage.Close(file);
    ZafWindowObject read(L"plain", persistence);
    ASSERT_EQ(0, read.Error());
    EXPECT_TRUE(read.IsVisible(false));
    EXPECT_TRUE(read.SystemDrawn());
    EXPECT_FALSE(read.Border());
    EXPECT_FALSE(read.IsDisabled(false));
    EXPECT_FALSE(read.DropTarget());
    EXPECT_FALSE(read.FocusBlocked());
    EXPECT_FALSE(read.Selected());
}

TEST_F(ZafWindowStorage, PaletteDataIsWrittenBesideTheObjectAndReadBack)
{
    ZafWindowObject object(0, 0, 5, 1);
    object.SetStringID(L"coloured");
    auto *palette = new ZafPaletteData(false);
    palette->SetStringID(L"myColours");
    ZafPaletteStruct entry = ZafPaletteStruct::Default();
    entry.colorForeground = 9;
    palette->AddPalette(ZAF_PT_TEXT, ZAF_PS_ENABLED, entry);
    object.SetPaletteData(palette);
    object.Write(persistence);
    ASSERT_EQ(0, object.Error());
    EXPECT_EQ(0, storage.ChDir(L"~coloured~ZafPaletteData"));
    storage.ChDir(L"~");

    ZafWindowObject read(L"coloured", persistence);
    ASSERT_EQ(0, read.Error());
    ASSERT_NE(nullptr, read.PaletteData());
    EXPECT_STREQ(L"myColours", read.PaletteData()->StringID());
    EXPECT_TRUE(read.PaletteData()->GetPalette(ZAF_PT_TEXT, ZAF_PS_ENABLED) == entry);
}

TEST_F(ZafWindowStorage, MissingOrDamagedRecordsEndInTheObjectsError)
{
    ZafWindow missing(L"absent", persistence);
    EXPECT_EQ(2, missing.Error());
    EXPECT_EQ(0, missing.ZafList::Count());

    ZafWindowObject object(0, 0, 5, 1);
    object.SetStringID(L"cut");
    object.Write(persistence);
    ZafStorageFile *file = storage.Open(L"~cut~objectData", ZAF_FILE_CREATE | ZAF_FILE_READWRITE);
    file->WriteUInt16(1);
    file->WriteInt32(0);
    storage.Close(file);
    ZafWindowObject cut(L"cut", persistence);
    EXPECT_EQ(16, cut.Error());
    ZafIChar cwd[32];
    storage.GetCWD(cwd, 32);
    EXPECT_STREQ(L"~", cwd);
}

TEST_F(ZafWindowStorage, WindowsRoundTripThroughASavedFile)
{
    ZafScratchFolder folder(L"windowfile");
    {
        ZafStorage fileStorage(folder.Path(L"w").c_str(), ZAF_FILE_CREATE);
        ZafObjectPersistence writer(&fileStorage);
        ZafWindow window(0, 0, 30, 8);
        window.SetStringID(L"saved");
        window.Add(new ZafWindowObject(1, 1, 4, 1));
        window.Write(writer);
        ASSERT_EQ(0, window.Error());
        ASSERT_EQ(0, fileStorage.Save());
    }
    ZafStorage readStorage(folder.Path(L"w").c_str(), ZAF_FILE_READ);
    ZafObjectPersistence reader(&readStorage);
    reader.AddObjectConstructor(L"ZafWindowObject", ZafWindowObject::classID, ZafWindowObject::New);
    EXPECT_EQ(1, ChildrenReadBack(L"saved", reader));
}

TEST_F(ZafWindowStorage, ObjectsOfDerivedClassesAreMadeAgainAsTheirOwnClass)
{
    ZafWindow outer(0, 0, 50, 20);
    outer.SetStringID(L"holder");
    auto *dialog = new SampleDialog;
    dialog->SetStringID(L"dialog");
    dialog->Add(new ZafWindowObject(1, 1, 3, 1));
    outer.Add(dialog);
    outer.Write(persistence);
    ASSERT_EQ(0, outer.Error());
    ZafFindStruct find;
    ASSERT_EQ(0, storage.FindFirst(find, L"~holder~dialog"));
    EXPECT_EQ(SampleDialog::sampleID, find.numberID);
    EXPECT_STREQ(L"SampleDialog", find.stringID);

    ZafWindow read(L"holder", persistence);
    ASSERT_EQ(0, read.Error());
    auto *readDialog = dynamic_cast<SampleDialog *>(read.GetObjectByStringID(L"dialog"));
    ASSERT_NE(nullptr, readDialog);
    EXPECT_EQ(1, readDialog->ZafList::Count());
}

TEST_F(ZafWindowStorage, SiblingsWithTheSameNameAreAllKept)
{
    ZafWindow window(0, 0, 30, 10);
    window.SetStringID(L"crowd");
    for (int i = 0; i < 3; ++i)
        window.Add(new ZafWindowObject(1, i, 5, 1));   // all "FIELD_0"
    auto *named = new ZafWindowObject(1, 5, 5, 1);
    named->SetStringID(L"objectData");                 // the name of the record file
    window.Add(named);
    window.Write(persistence);
    ASSERT_EQ(0, window.Error());

    ZafWindow read(L"crowd", persistence);
    ASSERT_EQ(0, read.Error());
    ASSERT_EQ(4, read.ZafList::Count());
    EXPECT_STREQ(L"FIELD_0", static_cast<ZafWindowObject *>(read.ZafList::First())->StringID());
    const int tops[] = { 0, 1, 2, 5 };
    int index = 0;
    for (ZafElement *child = read.ZafList::First(); child; child = child->Next())
        EXPECT_EQ(tops[index++], static_cast<ZafWindowObject *>(child)->Region().top);
}

TEST_F(ZafWindowStorage, DamagedWindowRecordsNeverCrash)
{
    ZafWindow window(0, 0, 30, 10);
    window.SetStringID(L"target");
    window.SetHelpTopic(L"help");
    auto *palette = new ZafPaletteData(false);
    palette->SetStringID(L"p");
    palette->AddPalette(ZAF_PT_TEXT, ZAF_PS_ENABLED, ZafPaletteStruct::Default());
    window.SetPaletteData(palette);
    window.Add(new ZafWindowObject(1, 1, 5, 1));
    window.Write(persistence);
    ASSERT_EQ(0, window.Error());
    ZafStorageFile *file = storage.Open(L"~target~objectData", ZAF_FILE_READ);
    ASSERT_NE(nullptr, file);
    std::string record(size_t(file->Length()), '\0');
    file->ReadData(&record[0], file->Length());
    storage.Close(file);

    std::mt19937 random(4711);
    int damaged = 0;
    for (int run = 0; run < 300; ++run) {
        std::string bytes = record;
        for (int i = 0; i < 1 + int(random() % 4); ++i)
            bytes[random() % bytes.size()] = char(random());
        if (run % 7 == 0)
            bytes.resize(random() % bytes.size());
        file = storage.Open(L"~target~objectData", ZAF_FILE_CREATE | ZAF_FILE_READWRITE);
        file->WriteData(bytes.data(), int(bytes.size()));
        storage.Close(file);
        ZafWindow read(L"target", persistence);
        damaged += read.Error() ? 1 : 0;
        ZafIChar cwd[16];
        storage.GetCWD(cwd, 16);
        EXPECT_STREQ(L"~", cwd) << run;
    }
    EXPECT_GT(damaged, 0);
}
