#pragma once
// The error objects the program throws. Each carries a numeric code (see
// KErrorCodes.h), an extra value that narrows it down (a position, a system
// error number; negative = none) and a text naming what failed (a file's
// path; empty = none). Catch them by reference, as KX when only the code
// matters. They are plain values: copy them freely.
//
// KXPersistent: a stored record could not be read (version or tag refused).
// KXStream: a stream or file operation failed.
// KXSerialPort: a request on a serial link failed.

#include "foundation/errors/KErrorCodes.h"
#include "foundation/strings/KString.h"

#include <cstdint>

class KX
{
public:
    explicit KX(int32_t code = kErrUnspecified, int32_t extra = -1) : itsCode(code), itsExtra(extra) {}
    KX(int32_t code, int32_t extra, const KString &text) : itsCode(code), itsExtra(extra), itsText(text) {}
    virtual ~KX() = default;

    int32_t Code() const { return itsCode; }
    // Negative when there is no extra value.
    int32_t Extra() const { return itsExtra; }
    // What failed, for example the path of the file; empty when not known.
    const KString &Text() const { return itsText; }

private:
    int32_t itsCode;
    int32_t itsExtra;
    KString itsText;
};

class KXPersistent : public KX
{
public:
    explicit KXPersistent(int32_t code = kErrFileVersion, int32_t extra = -1) : KX(code, extra) {}
};

class KXStream : public KX
{
public:
    explicit KXStream(int32_t code = kErrFile, int32_t extra = -1) : KX(code, extra) {}
    // A failure on the file at path.
    KXStream(int32_t code, int32_t extra, const KString &path) : KX(code, extra, path) {}
};

class KXSerialPort : public KX
{
public:
    explicit KXSerialPort(int32_t code = kErrSerial, int32_t extra = -1) : KX(code, extra) {}
};
