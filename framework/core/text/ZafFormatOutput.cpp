// The bounded character sink of the output engine and its conversion tables.

#include "framework/core/text/ZafPrintf.h"
#include "framework/core/text/ZafFormatTables.h"

ZafFormatOutput::ZafFormatOutput(wchar_t *buffer, int size) :
    position(buffer), limit(buffer && size > 0 ? buffer + size - 1 : nullptr), unbounded(buffer && size < 0)
{
}

void ZafFormatOutput::Put(wchar_t c)
{
    ++wanted;
    if (unbounded || (limit && position < limit))
    {
        *position++ = c;
        ++written;
    }
}

void ZafFormatOutput::Put(const wchar_t *text, int length)
{
    for (int i = 0; i < length; ++i)
        Put(text[i]);
}

void ZafFormatOutput::Fill(wchar_t c, int count)
{
    for (int i = 0; i < count; ++i)
        Put(c);
}

void ZafFormatOutput::Terminate()
{
    if (limit || unbounded)
        *position = 0;
}

ZafNumberDataAccess zafNumberDataAccess = {nullptr, nullptr, nullptr, nullptr};

namespace {

const int TABLE_SIZE = 32;

struct OutputEntry
{
    wchar_t conversion;
    ZafOutputConversion function;
};

struct InputEntry
{
    wchar_t conversion;
    ZafInputConversion function;
};

OutputEntry outputTable[TABLE_SIZE];
int outputCount = 0;
InputEntry inputTable[TABLE_SIZE];
int inputCount = 0;

} // namespace

int ZafRegisterOutputConversion(wchar_t conversion, ZafOutputConversion function)
{
    if (outputCount == TABLE_SIZE)
        return -1;
    outputTable[outputCount++] = {conversion, function};
    return 0;
}

int ZafRegisterInputConversion(wchar_t conversion, ZafInputConversion function)
{
    if (inputCount == TABLE_SIZE)
        return -1;
    inputTable[inputCount++] = {conversion, function};
    return 0;
}

ZafOutputConversion ZafFindOutputConversion(wchar_t conversion)
{
    for (int i = outputCount - 1; i >= 0; --i)
        if (outputTable[i].conversion == conversion)
            return outputTable[i].function;
    return nullptr;
}

ZafInputConversion ZafFindInputConversion(wchar_t conversion)
{
    for (int i = inputCount - 1; i >= 0; --i)
        if (inputTable[i].conversion == conversion)
            return inputTable[i].function;
    return nullptr;
}
