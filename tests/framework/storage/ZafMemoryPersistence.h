#pragma once
// ZafMemoryPersistence: a storage held in memory and the persistence over
// it, for tests that write framework objects and read them back. It
// registers the constructors of the classes a test reads, and does the
// write-then-read round trip of one object, reporting a failure on either
// side as a test failure.

#include <gtest/gtest.h>

#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafStorage.h"

#include <memory>

struct ZafMemoryPersistence
{
    ZafStorage storage;
    ZafObjectPersistence persistence{ &storage };

    // Registers the constructor of every class named, by its class name.
    template <typename... Classes> void Construct()
    {
        (persistence.AddObjectConstructor(Classes::className, Classes::classID, Classes::New), ...);
    }

    // Writes object and reads a new one of its class back under its string
    // identification; null (and a failure) when either side reports an error.
    template <typename T> std::unique_ptr<T> RoundTrip(T &object)
    {
        object.Write(persistence);
        if (object.Error() != 0) {
            ADD_FAILURE() << "writing failed with error " << object.Error();
            return nullptr;
        }
        auto read = std::make_unique<T>(object.StringID(), persistence);
        if (read->Error() != 0) {
            ADD_FAILURE() << "reading back failed with error " << read->Error();
            return nullptr;
        }
        return read;
    }
};
