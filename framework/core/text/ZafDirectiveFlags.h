#pragma once
// ZafDirectiveFlags: reading the parts of a "%" directive that the
// formatted-text engines (ZafPrintf and ZafScanf) spell alike: runs of flag
// characters, each naming a flag bit in the engine's own table, and decimal
// counts. Not for use outside framework/core.

// One flag character and the bit it sets; a table ends with character 0.
struct ZafDirectiveFlag
{
    wchar_t character;
    int flag;
};

// Adds the flags of the characters at format to flags while they are in the
// table; leaves format on the first other character.
void ZafReadDirectiveFlags(const wchar_t *&format, const ZafDirectiveFlag *table, int &flags);
// Reads the decimal digits at format into count (which the caller has set
// to 0), ignoring digits once it passes 100000; leaves format after them.
void ZafReadDirectiveCount(const wchar_t *&format, int &count);
