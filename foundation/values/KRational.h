#pragma once
// KRational: a fraction of two signed 32-bit integers, always kept in lowest
// terms with a positive denominator (gcd normalisation), so that equal values
// have equal fields. A zero denominator, or a result that does not fit 32
// bits after reduction, throws KX (kErrUnspecified).

#include <cstdint>

class KRational
{
public:
    KRational() = default;
    KRational(int32_t numerator, int32_t denominator = 1);

    int32_t Numerator() const { return itsNumerator; }
    int32_t Denominator() const { return itsDenominator; }
    double ToDouble() const { return double(itsNumerator) / double(itsDenominator); }

    bool operator==(const KRational &other) const;
    bool operator!=(const KRational &other) const { return !(*this == other); }
    bool operator<(const KRational &other) const;

    KRational operator+(const KRational &other) const;
    KRational operator-(const KRational &other) const;
    KRational operator*(const KRational &other) const;
    KRational operator/(const KRational &other) const;

private:
    static KRational Reduce(int64_t numerator, int64_t denominator);

    int32_t itsNumerator = 0;
    int32_t itsDenominator = 1;
};
