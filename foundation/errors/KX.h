#pragma once
// The error objects the program throws. Each carries a numeric code (see
// KErrorCodes.h) and an extra value that narrows it down (a position, a
// system error number; negative = none). Catch them by reference, as KX when
// only the code matters. They are plain values: copy them freely.
//
// KXPersistent: a stored record could not be read (version or tag refused).
// KXStream: a stream or file operation failed.
// KXSerialPort: a request on a serial link failed.

#include "foundation/errors/KErrorCodes.h"

#include <cstdint>

class KX
{
public:
    explicit KX(int32_t code = kErrUnspecified, int32_t extra = -1) : itsCode(code), itsExtra(extra) {}
    virtual ~KX() = default;

    int32_t Code() const { return itsCode; }
    // Negative when there is no extra value.
    int32_t Extra() const { return itsExtra; }

private:
    int32_t itsCode;
    int32_t itsExtra;
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
};

class KXSerialPort : public KX
{
public:
    explicit KXSerialPort(int32_t code = kErrSerial, int32_t extra = -1) : KX(code, extra) {}
};
