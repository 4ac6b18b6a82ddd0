// The readers on hand-made files crafted to be slow, at 1, 4, 16 and 64 MB: the time per byte
// must stay the same as the file grows (the MB/s column), whatever the shape. The work per byte
// does (callgrind counts the same instructions per MB from 4 MB to 64 MB); the rate still falls
// from 1 to 64 MB, most for the shapes read fastest, as the file and its decoded copy leave the
// caches.
#include "advice/AdviceSet.h"
#include "advice/TagCatalogue.h"
#include "mainscreen/SettingsFile.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace
{
enum Shape
{
    hugeText,         // one text that never meets its ";"
    keysWithoutValues,// every key, again and again, none with a value
    repeatedKey,      // the record key 100,000 times, with texts alike up to their last bytes
    commaTagList      // one item whose tag list is nothing but commas
};

constexpr int numRepeats = 100000;

std::string makeText (Shape shape, size_t size, bool legacy)
{
    const std::string itemKey = legacy ? "Texte=" : "Item=";
    const std::string tagsKey = legacy ? "Attributs=" : "Tags=";
    std::string text = legacy ? "Nom=Lent;\nAuteur=Bench;\nAnn\xc3\xa9" "e=2009;\nDescription=d;\nLanguage=0;\n\n"
                              : "KindlebrookV1 - Set file\n\nName=Slow;\nDescription=d;\nAuthor=Bench;\nLanguage=1;\nColour=1,2,3;\n\n";
    text.reserve (size + 64);

    switch (shape)
    {
        case hugeText:
            text += itemKey;
            text.append (size - text.size(), 'x');
            break;

        case keysWithoutValues:
        {
            const std::string keys = legacy ? "Nom=Auteur=Description=Texte=Attributs=Favori="
                                            : "Name=Description=Author=Colour=Item=Favorite=Tags=";
            while (text.size() < size)
                text += keys;
            break;
        }

        case repeatedKey:
        {
            const auto perRecord = size / numRepeats;
            const auto textLength = perRecord > itemKey.size() + 16 ? perRecord - itemKey.size() - 16 : 1;
            const std::string common (textLength, 'a');

            for (int i = 0; i < numRepeats; ++i)
            {
                // Alike up to a number written backwards, so the sort compares each text whole.
                auto number = std::to_string ((i * 7919) % numRepeats);
                text += itemKey + common + std::string (number.rbegin(), number.rend()) + ";" + tagsKey + "1,;\n";
            }
            break;
        }

        case commaTagList:
            text += itemKey + "commas;\n" + tagsKey;
            text.append (size - text.size() - 1, ',');
            text += ';';
            break;
    }

    return text;
}

/** The crafted files, written once as plain UTF-8 (as a hand-made file would be) and removed at exit. */
class SlowFiles
{
public:
    ~SlowFiles() { folder.deleteRecursively(); }

    static juce::File get (Shape shape, int megabytes, bool legacy)
    {
        static SlowFiles instance;
        auto& file = instance.files[{ shape, megabytes, legacy }];

        if (file == juce::File())
        {
            file = instance.folder.getChildFile ("slow-" + juce::String ((int) shape) + "-" + juce::String (megabytes)
                                                 + (legacy ? "-legacy" : "") + ".kbs");
            const auto text = makeText (shape, (size_t) megabytes << 20, legacy);
            file.replaceWithData (text.data(), text.size());
        }

        return file;
    }

private:
    SlowFiles()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("kindlebrook-slow", {}, false))
    {
        folder.createDirectory();
    }

    juce::File folder;
    std::map<std::tuple<Shape, int, bool>, juce::File> files;
};

void readSet (benchmark::State& state, bool legacy)
{
    static TagCatalogue catalogue;
    const auto file = SlowFiles::get ((Shape) state.range (0), (int) state.range (1), legacy);
    AdviceSet set (&catalogue);
    set.setFile (file);

    for (auto _ : state)
    {
        if (legacy)
            set.readLegacyFromFile (2);
        else
            set.readFromFile (2);

        benchmark::DoNotOptimize (set.getNumItems());
    }

    if ((Shape) state.range (0) == repeatedKey && set.getNumItems() != numRepeats)
        state.SkipWithError ("not every record was read");

    state.SetBytesProcessed ((int64_t) state.iterations() * file.getSize());
}

void BM_SlowSetFile (benchmark::State& state)     { readSet (state, false); }
void BM_SlowLegacyFile (benchmark::State& state)  { readSet (state, true); }

// The settings reader on one value that never ends, and on its keys again and again.
void BM_SlowSettingsFile (benchmark::State& state)
{
    const auto size = (size_t) state.range (1) << 20;
    std::string text = "Kindlebrook V1 - Init Data File\n";

    if (state.range (0) == hugeText)
        text += "Sets=" + std::string (size - text.size() - 5, 'x');
    else
        while (text.size() < size)
            text += "Language=LanguageSet=Sets=Tags=LastItem=LookForFavorites=Timer=";

    const auto file = juce::File::createTempFile (".ini");
    file.replaceWithData (text.data(), text.size());

    for (auto _ : state)
    {
        SettingsFile settings;
        settings.readFrom (file);
        benchmark::DoNotOptimize (settings.Sets.length());
    }

    state.SetBytesProcessed ((int64_t) state.iterations() * file.getSize());
    file.deleteFile();
}

void allShapes (benchmark::internal::Benchmark* b)
{
    for (auto shape : { hugeText, keysWithoutValues, repeatedKey, commaTagList })
        for (auto megabytes : { 1, 4, 16, 64 })
            b->Args ({ shape, megabytes });
}

void settingsShapes (benchmark::internal::Benchmark* b)
{
    for (auto shape : { hugeText, keysWithoutValues })
        for (auto megabytes : { 1, 4, 16 })
            b->Args ({ shape, megabytes });
}
} // namespace

BENCHMARK (BM_SlowSetFile)->Apply (allShapes)->ArgNames ({ "shape", "MB" })->Unit (benchmark::kMillisecond);
BENCHMARK (BM_SlowLegacyFile)->Apply (allShapes)->ArgNames ({ "shape", "MB" })->Unit (benchmark::kMillisecond);
BENCHMARK (BM_SlowSettingsFile)->Apply (settingsShapes)->ArgNames ({ "shape", "MB" })->Unit (benchmark::kMillisecond);
