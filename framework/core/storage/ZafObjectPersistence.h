#pragma once
// ZafObjectPersistence: reads and writes framework objects in a storage. It
// keeps a stack of levels, one per object being read or written: each level
// remembers the class, the storage directory to return to and the object
// file it opened. It also keeps the registries that stored objects refer to
// by name: the creation function of each class, and the user functions,
// user objects and compare functions of the program. It does not own the
// storage. One process-wide default persistence serves objects that are
// read by name alone (the program's data file). GUI thread only.
//
// Layout in the storage: a window object is a directory named by its string
// id (entry string id = class name, number id = class id) holding its record
// in the file "objectData" and its children's directories; a data object is
// a file named by its string id in a directory named after its class
// ("ZafBitmapData~Print").

#include "framework/core/storage/ZafFileSystem.h"

#include <string>
#include <vector>

class ZafElement;
class ZafStorage;
class ZafObjectPersistence;
class ZafWindowObject;
struct ZafEventStruct;

// Makes an object from its storage entry.
using ZafObjectConstructor = ZafElement *(*)(const ZafIChar *name, ZafObjectPersistence &persistence);

// Inside the body of a stored class: its copy (Duplicate, answering a Root
// pointer), its creation function New (which reads an object from its storage
// entry through the class's persistent constructor) and NewFunction
// answering it.
#define ZAF_PERSISTENT_CLASS(Root, Class)                                                       \
    Root *Duplicate() override { return new Class(*this); }                                     \
    ZafObjectConstructor NewFunction() const override { return &Class::New; }                   \
    static ZafElement *New(const ZafIChar *name, ZafObjectPersistence &persistence)             \
    {                                                                                           \
        return new Class(name, persistence);                                                    \
    }
// Same types as in ZafWindowObject.h and ZafList.h.
using ZafUserFunction = ZafEventType (*)(ZafWindowObject *object, ZafEventStruct &event, ZafEventType code);
using ZafCompareFunction = int (*)(ZafElement *a, ZafElement *b);

// PushLevel flags: bit 0 set for data objects.
constexpr ZafUInt16 ZAF_PERSIST_DATA_BIT = 0x0001;
constexpr ZafUInt16 ZAF_PERSIST_OBJECT = 0x0002;     // a window object: its own directory
constexpr ZafUInt16 ZAF_PERSIST_DATA = 0x0003;       // a data object: a file in its class directory

// Object file open modes.
constexpr int ZAF_PERSIST_READ = 1;
constexpr int ZAF_PERSIST_WRITE = 6;                 // create for writing

// Name of a window object's record file.
constexpr const ZafIChar *ZAF_OBJECT_DATA = L"objectData";

class ZafObjectPersistence
{
public:
    // Works on storage (not owned; null: every open fails with error 14).
    explicit ZafObjectPersistence(ZafStorage *storage = nullptr);
    ZafObjectPersistence(const ZafObjectPersistence &) = delete;
    ZafObjectPersistence &operator=(const ZafObjectPersistence &) = delete;
    virtual ~ZafObjectPersistence();

    ZafStorage *Storage() const { return storage; }
    ZafStorage *SetStorage(ZafStorage *newStorage);
    // 0, or the storage error of the last failed step.
    ZafError Error() const { return error; }
    ZafError SetError(ZafError code) { return error = code; }

    // Opens a level for one object; answers the persistence (so that it can
    // be used in a constructor's initialiser list).
    static ZafObjectPersistence &PushLevel(ZafObjectPersistence &persistence, const ZafIChar *className,
        ZafClassID classID, ZafUInt16 flags = ZAF_PERSIST_OBJECT);
    // Closes the current level's object file and returns to the directory
    // the level started in.
    static ZafObjectPersistence &PopLevel(ZafObjectPersistence &persistence);
    int Depth() const { return int(levels.size()); }
    const ZafIChar *CurrentClassName() const;
    ZafClassID CurrentClassID() const;

    // The object file the current level opened (null when none).
    ZafFile *File() const;
    // Storage directory operations (0 or -1).
    int ChDir(const ZafIChar *path, ZafStringID stringID = nullptr, ZafNumberID numberID = 0);
    int FindFirst(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID = nullptr,
        ZafNumberID numberID = 0);
    int FindNext(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID = nullptr,
        ZafNumberID numberID = 0);
    // Opens the object file of name on the current level (as
    // ZafDataPersistence::OpenObjectFile); a window object's directory is
    // made with the given class name and id as its string id and number id
    // (the object's own class, however many levels its classes pushed).
    ZafFile *OpenObjectFile(const ZafIChar *name, int mode, const ZafIChar *className, ZafClassID classID);
    // A plain file beside the current object's record (the user function's
    // name and the like): read mode 1 or write mode 6. Close it with
    // CloseFile.
    ZafFile *OpenFile(const ZafIChar *name, int mode, ZafNumberID numberID = 0);
    void CloseFile(ZafFile *file);

    // Class registry.
    void AddObjectConstructor(const ZafIChar *className, ZafClassID classID, ZafObjectConstructor function);
    ZafObjectConstructor GetObjectConstructor(ZafClassID classID) const;
    ZafObjectConstructor GetObjectConstructor(const ZafIChar *className) const;
    const ZafIChar *ClassNameOf(ZafClassID classID) const;

    // Name tables: both directions; null (or an empty name) when absent.
    void AddUserFunction(const ZafIChar *name, ZafUserFunction function);
    void AddUserObject(const ZafIChar *name, void *object);
    void AddCompareFunction(const ZafIChar *name, ZafCompareFunction function);
    const ZafIChar *UserFunctionName(ZafUserFunction function) const;
    const ZafIChar *UserObjectName(void *object) const;
    const ZafIChar *CompareFunctionName(ZafCompareFunction function) const;
    ZafUserFunction GetUserFunction(const ZafIChar *name) const;
    void *GetUserObject(const ZafIChar *name) const;
    ZafCompareFunction GetCompareFunction(const ZafIChar *name) const;

    // The process-wide default persistence (null when none); not owned.
    static ZafObjectPersistence *DefaultPersistence() { return defaultPersistence; }
    static ZafObjectPersistence *SetDefaultPersistence(ZafObjectPersistence *persistence);

private:
    friend class ZafDataPersistence;

    struct Level
    {
        std::wstring className;
        ZafClassID classID;
        ZafUInt16 flags;
        std::wstring directory;           // where the level started
        ZafFile *file;                    // the object file it opened
    };
    struct ClassEntry
    {
        std::wstring name;
        ZafClassID id;
        ZafObjectConstructor function;
    };
    template <typename T>
    struct NamedEntry
    {
        std::wstring name;
        T value;
    };

    ZafStorage *storage;
    ZafError error = 0;
    std::vector<Level> levels;
    std::vector<ClassEntry> classes;
    std::vector<NamedEntry<ZafUserFunction>> userFunctions;
    std::vector<NamedEntry<void *>> userObjects;
    std::vector<NamedEntry<ZafCompareFunction>> compareFunctions;

    static ZafObjectPersistence *defaultPersistence;
};

// ZafDataPersistence: opens the storage file of a named object on the
// persistence's current level.
class ZafDataPersistence
{
public:
    // mode 1 reads, 6 creates for writing. The file becomes the level's
    // object file (closed by PopLevel). A window-object level opens
    // "<name>~objectData" and enters the object's directory (made when
    // writing); a data level opens "<ClassName>~<name>". Null with the
    // persistence's error set when the file cannot be opened.
    static ZafFile *OpenObjectFile(ZafObjectPersistence &persistence, const ZafIChar *name, int mode);
};
