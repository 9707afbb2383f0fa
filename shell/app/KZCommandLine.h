#pragma once
// Splitting of the program's command line into arguments. Blanks and tabs
// separate arguments. A double quote opens an argument that runs to the
// next double quote or to the end of the line; the quotes are not part of
// it, so two adjacent double quotes give an empty argument. An unquoted
// argument ends at a blank, a tab, a double quote or the end of the line; a
// double quote that ends it also opens the next, quoted argument. There is
// no escape character: a backslash is an ordinary character.

#include <string>
#include <vector>

// The arguments of line, in order.
std::vector<std::wstring> KZSplitCommandLine(const wchar_t *line);
// The rest of a whole process command line after the program's own name
// (quoted, or up to the first blank or tab).
const wchar_t *KZSkipProgramName(const wchar_t *commandLine);
