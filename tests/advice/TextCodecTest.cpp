#include "advice/CheckedFileWriter.h"
#include "advice/TextCodec.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
juce::String toJuce (const TextCodec::Text& text)
{
    return juce::String::fromUTF8 (text.bytes.get(), (int) text.size);
}

bool holdsSurrogatePair (const std::vector<juce::uint8>& bytes)
{
    const bool littleEndian = bytes[0] == 0xff;

    for (size_t i = 2; i + 3 < bytes.size(); i += 2)
    {
        const auto high = littleEndian ? bytes[i + 1] : bytes[i];
        const auto low = littleEndian ? bytes[i + 3] : bytes[i + 2];

        if (high >= 0xd8 && high < 0xdc && low >= 0xdc && low < 0xe0)
            return true;
    }

    return false;
}
} // namespace

// Random bytes, after each kind of byte-order mark, built from the bytes that steer the decoding.
TEST (TextCodec, DecodesAsJuceDoesApartFromSurrogatePairs)
{
    const juce::uint8 alphabet[] = { 'a', '\n', 0, 0x80, 0xc3, 0xa9, 0xe9, 0xd8, 0xdc, 0xf0, 0x9f, 0xfe, 0xff };
    const std::vector<juce::uint8> marks[] = { {}, { 0xff, 0xfe }, { 0xfe, 0xff }, { 0xef, 0xbb, 0xbf } };
    juce::Random random (13);
    int compared = 0;

    for (int round = 0; round < 4000; ++round)
    {
        auto bytes = marks[round % 4];

        for (int n = random.nextInt (12); --n >= 0;)
            bytes.push_back (alphabet[random.nextInt ((int) std::size (alphabet))]);

        if (bytes.size() >= 2 && (bytes[0] == 0xff || bytes[0] == 0xfe) && holdsSurrogatePair (bytes))
            continue;

        const auto expected = juce::String::createStringFromData (bytes.data(), (int) bytes.size());
        EXPECT_EQ (toJuce (TextCodec::decode (bytes.data(), bytes.size())), expected)
            << juce::String::toHexString (bytes.data(), (int) bytes.size());
        ++compared;
    }

    EXPECT_GT (compared, 3000);
}

TEST (TextCodec, EncodesAsReplaceWithTextAndKeepsCharactersBeyondTheBasicPlane)
{
    const char* pieces[] = { "a", "\n", "\r", "\xc3\xa9", "\xe2\x82\xac", "\xef\xbf\xbf" };
    juce::Random random (7);

    for (int round = 0; round < 300; ++round)
    {
        juce::String text;

        for (int n = random.nextInt (10); --n >= 0;)
            text += juce::String (juce::CharPointer_UTF8 (pieces[random.nextInt ((int) std::size (pieces))]));

        juce::MemoryOutputStream reference;
        reference.writeText (text, true, true, "\r\n");
        EXPECT_EQ (TextCodec::encodeUtf16 (text), reference.getMemoryBlock()) << text;
    }

    const auto horn = juce::String (juce::CharPointer_UTF8 ("\xf0\x9f\x8e\xba\n"));   // U+1F3BA
    const auto encoded = TextCodec::encodeUtf16 (horn);
    const juce::uint8 expected[] = { 0xff, 0xfe, 0x3c, 0xd8, 0xba, 0xdf, '\r', 0, '\n', 0 };
    EXPECT_EQ (encoded, juce::MemoryBlock (expected, sizeof (expected)));
    EXPECT_EQ (toJuce (TextCodec::decode (encoded.getData(), encoded.getSize())), horn.replace ("\n", "\r\n"));

    // A pair cut at the end of the bytes leaves its first half alone, as JUCE would.
    EXPECT_EQ (toJuce (TextCodec::decode (encoded.getData(), 4)),
               juce::String::createStringFromData (encoded.getData(), 4));
}

TEST (CheckedFileWriter, ReplacesTheTargetWithTheEncodedTextOnly)
{
    kbtest::TempFolder temp;
    const auto target = temp.getChildFile ("Kindlebrook.ini");
    ASSERT_TRUE (target.replaceWithText ("old"));

    const juce::String text (juce::CharPointer_UTF8 ("Language=1;\nLast=\xc3\xa9t\xc3\xa9 \xf0\x9f\x8e\xba;\n"));
    ASSERT_TRUE (CheckedFileWriter::writeText (target, text));

    juce::MemoryBlock written;
    ASSERT_TRUE (target.loadFileAsData (written));
    EXPECT_EQ (written, TextCodec::encodeUtf16 (text));
    EXPECT_EQ (temp.getFolder().getNumberOfChildFiles (juce::File::findFilesAndDirectories | juce::File::ignoreHiddenFiles, "*"), 1);
    EXPECT_EQ (temp.getFolder().getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1) << "no temporary file left";

    EXPECT_FALSE (CheckedFileWriter::writeText (temp.getFolder(), text));
    EXPECT_FALSE (CheckedFileWriter::writeText (temp.getChildFile ("missing/x.ini"), text));
    EXPECT_TRUE (temp.getFolder().isDirectory());
}

TEST (TextCodec, FileStartIsGivenOnlyWhenItBeginsTheWholeText)
{
    kbtest::TempFolder temp;
    const auto file = temp.getChildFile ("start.kbs");

    // Valid UTF-8 at the start, but the last byte makes the whole file Windows-1252.
    const std::string bytes = "Name=caf\xc3\xa9;" + std::string (100, 'x') + "\xff";
    ASSERT_TRUE (file.replaceWithData (bytes.data(), bytes.size()));
    EXPECT_FALSE (TextCodec::loadFileStart (file, 16).has_value());
    const auto whole = TextCodec::loadFileStart (file, 4096);
    ASSERT_TRUE (whole.has_value());
    EXPECT_EQ (toJuce (*whole), juce::String::createStringFromData (bytes.data(), (int) bytes.size()));

    // UTF-16 goes unit by unit: nine bytes give the byte-order mark and three whole units.
    const auto utf16 = TextCodec::encodeUtf16 ("Name=abcdefgh;");
    ASSERT_TRUE (file.replaceWithData (utf16.getData(), utf16.getSize()));
    const auto start = TextCodec::loadFileStart (file, 9);
    ASSERT_TRUE (start.has_value());
    EXPECT_EQ (toJuce (*start), "Nam");
}
