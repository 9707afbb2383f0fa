#pragma once
// The framework's wide-character string library: free functions on arrays of
// 16-bit characters ended by 0 (wchar_t is 16 bits on this platform).
//
// Lengths and positions are counted in characters. The classic forms take no
// buffer size and trust the caller to provide room; the framework's own code
// uses the bounded forms (ZafStrLCpy, ZafStrNCat, ZafGetCwd with its size).
// Null pointers are accepted only where a function says so. Everything is
// reentrant except ZafStrTok (one position for the process) and ZafGetCwd (one
// shared work buffer); both belong to the GUI thread.

#include <cstddef>

// Copying and length.
int ZafStrLen(const wchar_t *s);                              // characters before the terminator
wchar_t *ZafStrCpy(wchar_t *dest, const wchar_t *src);        // copies through the terminator
// Copies while n remains and src has not ended; pads with 0 up to n when src
// ends first; writes no terminator when n characters were copied.
wchar_t *ZafStrNCpy(wchar_t *dest, const wchar_t *src, int n);
// Bounded copy: at most size - 1 characters and always a terminator (size > 0).
wchar_t *ZafStrLCpy(wchar_t *dest, const wchar_t *src, int size);
wchar_t *ZafStrCat(wchar_t *dest, const wchar_t *src);
// Appends at most n characters of src and always terminates.
wchar_t *ZafStrNCat(wchar_t *dest, const wchar_t *src, int n);
// A new copy that the caller frees with delete [], or null for null.
wchar_t *ZafStrDup(const wchar_t *s);

// Comparison: negative, 0 or positive.
int ZafStrCmp(const wchar_t *a, const wchar_t *b);            // signed 16-bit characters
int ZafStrNCmp(const wchar_t *a, const wchar_t *b, int n);    // unsigned, at most n characters
int ZafStrICmp(const wchar_t *a, const wchar_t *b);           // unsigned, upper case folded to lower
int ZafStrNICmp(const wchar_t *a, const wchar_t *b, int n);
// Null-tolerant comparisons (unsigned differences; 8-bit strings compare as
// signed 8-bit characters, as the C library's char does here).
int ZafStrSafeCmp(const wchar_t *a, const wchar_t *b);
int ZafStrSafeCmp(const char *a, const char *b);
int ZafStrSafeCmp(const wchar_t *a, const char *b);
// Collation: letters by base letter, then accents (last accent first), then
// case (capitals after small letters), punctuation last.
int ZafStrColl(const wchar_t *a, const wchar_t *b);
// Writes the collation key of src into dest when its length is below maximum;
// answers the key length in characters either way.
int ZafStrXfrm(wchar_t *dest, const wchar_t *src, int maximum);

// Searching.
wchar_t *ZafStrChr(const wchar_t *s, wchar_t c);               // c = 0 finds the terminator
wchar_t *ZafStrRChr(const wchar_t *s, wchar_t c);
wchar_t *ZafStrStr(const wchar_t *s, const wchar_t *pattern);  // s itself for an empty pattern
int ZafStrCSpn(const wchar_t *s, const wchar_t *set);          // first index of a set character, else the length
int ZafStrRCSpn(const wchar_t *s, const wchar_t *set);         // smallest last position of a set character, else the length
wchar_t *ZafStrPBrk(const wchar_t *s, const wchar_t *set);
// Tokeniser with one process-wide position: a non-null s starts a new string,
// null continues. Delimiters after a token are overwritten with 0.
wchar_t *ZafStrTok(wchar_t *s, const wchar_t *delimiters);

// In-place changes; each answers s.
wchar_t *ZafStrLwr(wchar_t *s);
wchar_t *ZafStrUpr(wchar_t *s);
wchar_t *ZafStrReplaceChar(wchar_t *s, wchar_t from, wchar_t to);   // null s accepted
wchar_t *ZafStrStripChar(wchar_t *s, wchar_t c);                   // null s accepted

// Line ends, wide and 8-bit. A null source answers null; a null destination
// converts in place. The ...ToPair forms grow the text: the destination (or
// the source, in place) must hold one more character per line end added.
wchar_t *ZafStrPairToReturn(wchar_t *dest, const wchar_t *src);   // CR LF -> CR
wchar_t *ZafStrPairToNewline(wchar_t *dest, const wchar_t *src);  // CR LF -> LF
wchar_t *ZafStrReturnToPair(wchar_t *dest, const wchar_t *src);   // lone CR -> CR LF
wchar_t *ZafStrNewlineToPair(wchar_t *dest, const wchar_t *src);  // lone LF -> CR LF
char *ZafStrPairToReturn(char *dest, const char *src);
char *ZafStrPairToNewline(char *dest, const char *src);
char *ZafStrReturnToPair(char *dest, const char *src);
char *ZafStrNewlineToPair(char *dest, const char *src);

// Integer to text in radix 2 to 16 ("0123456789abcdef"). Radix 10 writes a
// "-" for negative values; other radixes show the bits unsigned. Values with
// fewer digits than minimumDigits get leading zeros. The buffer must hold 34
// characters in the worst case (radix 2); answers buffer.
wchar_t *ZafIToA(long value, wchar_t *buffer, int radix, int minimumDigits);

// Decimal text to integer with the C library's rules: leading white space,
// an optional sign, digits up to the first non-digit; 0 when there are none.
int ZafAToI(const wchar_t *text);

// 0 when s matches pattern ("?" any one character, "*" any run), else non-zero.
int ZafWildcardMatch(const wchar_t *s, const wchar_t *pattern);

// File-system wrappers: the wide path goes to the C runtime in the local code
// set. Each answers the runtime's result (0 on success).
int ZafChDir(const wchar_t *path);
// The current directory into buffer (size characters, terminator included);
// null when it cannot be read or does not fit.
wchar_t *ZafGetCwd(wchar_t *buffer, int size);
int ZafRename(const wchar_t *oldPath, const wchar_t *newPath);
int ZafUnlink(const wchar_t *path);
int ZafRemove(const wchar_t *path);
