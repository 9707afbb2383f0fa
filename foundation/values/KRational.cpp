#include "foundation/values/KRational.h"

#include "foundation/errors/KX.h"

namespace {

int64_t Gcd(int64_t a, int64_t b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        int64_t t = a % b;
        a = b;
        b = t;
    }
    return a;
}

} // namespace

KRational::KRational(int32_t numerator, int32_t denominator)
{
    *this = Reduce(numerator, denominator);
}

KRational KRational::Reduce(int64_t numerator, int64_t denominator)
{
    if (denominator == 0)
        throw KX(kErrUnspecified);
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    int64_t g = Gcd(numerator, denominator);
    if (g > 1) {
        numerator /= g;
        denominator /= g;
    }
    if (numerator < INT32_MIN || numerator > INT32_MAX || denominator > INT32_MAX)
        throw KX(kErrUnspecified);
    KRational result;
    result.itsNumerator = int32_t(numerator);
    result.itsDenominator = int32_t(denominator);
    return result;
}

bool KRational::operator==(const KRational &other) const
{
    return itsNumerator == other.itsNumerator && itsDenominator == other.itsDenominator;
}

bool KRational::operator<(const KRational &other) const
{
    return int64_t(itsNumerator) * other.itsDenominator < int64_t(other.itsNumerator) * itsDenominator;
}

KRational KRational::operator+(const KRational &other) const
{
    return Reduce(int64_t(itsNumerator) * other.itsDenominator + int64_t(other.itsNumerator) * itsDenominator,
                  int64_t(itsDenominator) * other.itsDenominator);
}

KRational KRational::operator-(const KRational &other) const
{
    return Reduce(int64_t(itsNumerator) * other.itsDenominator - int64_t(other.itsNumerator) * itsDenominator,
                  int64_t(itsDenominator) * other.itsDenominator);
}

KRational KRational::operator*(const KRational &other) const
{
    return Reduce(int64_t(itsNumerator) * other.itsNumerator, int64_t(itsDenominator) * other.itsDenominator);
}

KRational KRational::operator/(const KRational &other) const
{
    return Reduce(int64_t(itsNumerator) * other.itsDenominator, int64_t(itsDenominator) * other.itsNumerator);
}
