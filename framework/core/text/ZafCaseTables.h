#pragma once
// Tables behind the character functions of ZafCharacters.h (internal).

#include <cstdint>

namespace ZafCaseTables {

struct CaseRun
{
    uint16_t first;
    uint16_t last;
    uint16_t stride;                  // 1 or 2
    int32_t delta;                    // case tables: added to the code point
};

extern const CaseRun toUpper[];
extern const CaseRun toLower[];
extern const CaseRun upperLetters[];
extern const CaseRun lowerLetters[];
extern const int toUpperCount;
extern const int toLowerCount;
extern const int upperLettersCount;
extern const int lowerLettersCount;

} // namespace ZafCaseTables
