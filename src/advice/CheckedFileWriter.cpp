#include "CheckedFileWriter.h"

#include "FileReplacer.h"
#include "TextCodec.h"

bool CheckedFileWriter::writeText (const juce::File& target, const juce::String& text)
{
    // A folder standing where the file should be would otherwise be removed when empty.
    if (target == juce::File() || target.isDirectory())
        return false;

    const auto bytes = TextCodec::encodeUtf16 (text);
    juce::TemporaryFile temp (target, juce::TemporaryFile::useHiddenFile);

    {
        // Unbuffered: the stream's own flush does not report a short write of its buffer, so a
        // small file cut off by a full disk would pass for written. The one write is checked.
        juce::FileOutputStream out (temp.getFile(), 0);

        if (out.failedToOpen() || ! out.write (bytes.getData(), bytes.getSize()))
            return false;

        // On POSIX systems the flush is an fsync: the move below then never puts in place a
        // file whose bytes have not reached the disk.
        out.flush();

        if (out.getStatus().failed())
            return false;
    }

    return FileReplacer::replace (temp);
}
