#include "foundation/values/KInt48.h"

#include "foundation/errors/KX.h"

KInt48 KInt48::FromInt64(int64_t value)
{
    KInt48 result;
    result.Set(value);
    return result;
}

void KInt48::Set(int64_t value)
{
    uint64_t bits = uint64_t(value);
    itsWords[0] = uint16_t(bits);
    itsWords[1] = uint16_t(bits >> 16);
    itsWords[2] = uint16_t(bits >> 32);
}

int64_t KInt48::ToInt64() const
{
    uint64_t bits = uint64_t(itsWords[0]) | uint64_t(itsWords[1]) << 16 | uint64_t(itsWords[2]) << 32;
    if (bits & (uint64_t(1) << 47))
        bits |= ~((uint64_t(1) << 48) - 1);
    return int64_t(bits);
}

bool KInt48::operator==(const KInt48 &other) const
{
    return itsWords[0] == other.itsWords[0] && itsWords[1] == other.itsWords[1] &&
           itsWords[2] == other.itsWords[2];
}

KInt48 KInt48::operator*(const KInt48 &other) const
{
    // Unsigned multiplication wraps without undefined behaviour; the low 48
    // bits are the same as for the signed product.
    return FromInt64(int64_t(uint64_t(ToInt64()) * uint64_t(other.ToInt64())));
}

KInt48 KInt48::operator/(const KInt48 &other) const
{
    int64_t divisor = other.ToInt64();
    if (divisor == 0)
        throw KX(kErrUnspecified);
    return FromInt64(ToInt64() / divisor);
}

KInt48 KInt48::operator%(const KInt48 &other) const
{
    int64_t divisor = other.ToInt64();
    if (divisor == 0)
        throw KX(kErrUnspecified);
    return FromInt64(ToInt64() % divisor);
}
