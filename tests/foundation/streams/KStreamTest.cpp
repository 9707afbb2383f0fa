// KStream: typed values, text encodings, line ends and line reading.
#include "foundation/support/TestStreams.h"

#include <gtest/gtest.h>

namespace
{
std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(char(v));
    return s;
}
} // namespace

TEST(KStreamTyped, ValuesAreWrittenLittleEndianAndReadBack)
{
    MemoryStream stream;
    stream.WriteU8(0x12);
    stream.WriteU16(0x3456);
    stream.WriteU32(0x789ABCDE);
    stream.WriteI32(-2);
    stream.WriteI16(-3);
    stream.WriteDouble(-0.125);
    EXPECT_EQ(stream.Text().substr(0, 11), Bytes({0x12, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78, 0xFE, 0xFF, 0xFF, 0xFF}));
    stream.Rewind();
    EXPECT_EQ(stream.ReadU8(), 0x12);
    EXPECT_EQ(stream.ReadU16(), 0x3456);
    EXPECT_EQ(stream.ReadU32(), 0x789ABCDEu);
    EXPECT_EQ(stream.ReadI32(), -2);
    EXPECT_EQ(stream.ReadI16(), -3);
    EXPECT_EQ(stream.ReadDouble(), -0.125);
}

TEST(KStreamTyped, ReadingPastTheEndThrows3004)
{
    MemoryStream stream(Bytes({1, 2, 3}));
    try {
        stream.ReadU32();
        FAIL() << "no error";
    } catch (const KXStream &error) {
        EXPECT_EQ(error.Code(), kErrFileRead);
    }
}

TEST(KStreamTyped, ShortTransportReadsAreJoined)
{
    MemoryStream stream(Bytes({1, 0, 0, 0, 2, 0}));
    stream.LimitReads(1);
    EXPECT_EQ(stream.ReadU32(), 1u);
    EXPECT_EQ(stream.ReadU16(), 2u);
    EXPECT_EQ(stream.Remaining(), 0);
}

TEST(KStreamLines, ReadLineAnswersTheDelimiterAndMinusOneAtTheEnd)
{
    MemoryStream stream(std::string("first\r\nsecond;third"));
    stream.SetReadLineEnd(KStream::kLineEndRaw);
    KString line;
    EXPECT_EQ(stream.ReadLine(line, L"\n;", L"\r"), L'\n');
    EXPECT_EQ(line, L"first");
    EXPECT_EQ(stream.ReadLine(line, L"\n;", L"\r"), L';');
    EXPECT_EQ(line, L"second");
    EXPECT_EQ(stream.ReadLine(line, L"\n;", L"\r"), -1);
    EXPECT_EQ(line, L"third");
    EXPECT_EQ(stream.ReadLine(line), -1);
    EXPECT_TRUE(line.IsEmpty());
}

TEST(KStreamLines, CommentDropsTheRestOfTheLineAndMaximumCutsIt)
{
    MemoryStream stream(std::string("value # note\nabcdefgh\nnext\n"));
    KString line;
    EXPECT_EQ(stream.ReadLine(line, L"\n", nullptr, L"#"), L'\n');
    EXPECT_EQ(line, L"value ");
    EXPECT_EQ(stream.ReadLine(line, L"\n", nullptr, nullptr, 3), L'\n');
    EXPECT_EQ(line, L"abc");
    EXPECT_EQ(stream.ReadLine(line), L'\n');
    EXPECT_EQ(line, L"next");
}

TEST(KStreamLines, FixedCapacityTargetCutsButTheWholeLineIsConsumed)
{
    MemoryStream stream(std::string("Deutsch,de_DE,extra fields\nline two\n"));
    KString15 head;
    EXPECT_EQ(stream.ReadLine(head), L'\n');
    EXPECT_EQ(head, L"Deutsch,de_DE,e");
    KString line;
    stream.ReadLine(line);
    EXPECT_EQ(line, L"line two");
}

TEST(KStreamLines, LineEndModesTranslateOnReadAndWrite)
{
    MemoryStream stream;
    stream.SetWriteLineEnd(KStream::kLineEndCRLF);
    stream.WriteText(L"a\nb\n");
    stream.SetWriteLineEnd(KStream::kLineEndCR);
    stream.WriteText(L"c\n");
    stream.SetWriteLineEnd(KStream::kLineEndRaw);
    stream.WriteText(L"d\r\n");
    EXPECT_EQ(stream.Text(), "a\r\nb\r\nc\rd\r\n");

    stream.Rewind();
    stream.SetReadLineEnd(KStream::kLineEndCRLF);
    KString text;
    for (int c; (c = stream.ReadChar()) >= 0;)
        text.AppendChar(wchar_t(c));
    EXPECT_EQ(text, L"a\nb\nc\rd\n");
}

// A byte order mark makes the text 16-bit (an odd last byte is dropped);
// without one the first bytes are 8-bit text.
TEST(KStreamEncoding, DetectionReadsTheByteOrderMarkOrKeepsTheFirstBytes)
{
    const struct
    {
        std::string bytes;
        int end;
        const wchar_t *line;
        int encoding;
    } cases[] = {
        {Bytes({0xFF, 0xFE, 'H', 0, 'i', 0, 0xAC, 0x20, '\n', 0}), L'\n', L"Hi\x20AC", KStream::kEncoding16Bit},
        {Bytes({0xFF, 0xFE, 'o', 0, 'k', 0, '!'}), -1, L"ok", KStream::kEncoding16Bit},
        {"Ab\n", L'\n', L"Ab", KStream::kEncoding8Bit},
        {"x", -1, L"x", KStream::kEncoding8Bit},
    };
    for (const auto &c : cases) {
        MemoryStream stream(c.bytes);
        EXPECT_EQ(stream.ReadEncoding(), KStream::kEncodingDetect);
        KString line;
        EXPECT_EQ(stream.ReadLine(line), c.end) << c.bytes;
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(stream.ReadEncoding(), c.encoding) << c.bytes;
    }
}

TEST(KStreamEncoding, SixteenBitWritingPutsTheMarkAndLineEnds)
{
    MemoryStream stream;
    stream.SetWriteEncoding(KStream::kEncoding16Bit);
    stream.WriteByteOrderMark();
    stream.WriteText(L"\x00E9\n");
    EXPECT_EQ(stream.Text(), Bytes({0xFF, 0xFE, 0xE9, 0, '\r', 0, '\n', 0}));

    MemoryStream eight;
    eight.WriteByteOrderMark();
    eight.WriteText(L"x");
    EXPECT_EQ(eight.Text(), "x");
}

TEST(KStreamEncoding, EightBitTextRoundTripsAsciiAndMarksMissingCharacters)
{
    MemoryStream stream;
    stream.SetWriteEncoding(KStream::kEncoding8Bit);
    stream.WriteText(L"Path C:\\x=1 \x4E2D");
    EXPECT_EQ(stream.Text(), "Path C:\\x=1 ?");
    stream.Rewind();
    KString line;
    stream.ReadLine(line);
    EXPECT_EQ(line[12], L'?');
}

TEST(KStreamPosition, TextReadAheadIsNotCountedInThePosition)
{
    MemoryStream stream(std::string("ab\rc"));
    KString line;
    stream.SetReadLineEnd(KStream::kLineEndCRLF);
    EXPECT_EQ(stream.ReadChar(), L'a');
    EXPECT_EQ(stream.GetPosition(), 1);
    stream.ReadChar();
    EXPECT_EQ(stream.ReadChar(), L'\r');
    EXPECT_EQ(stream.GetPosition(), 3);
    EXPECT_EQ(stream.ReadU8(), 'c');
}
