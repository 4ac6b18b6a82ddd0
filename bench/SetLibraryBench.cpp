#include "advice/SetLibrary.h"
#include "advice/TagCatalogue.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <utility>

namespace
{
/** A folder standing for the executable's, with a "data" folder of generated sets beside it. */
class GeneratedLibrary
{
public:
    GeneratedLibrary (int numSets, int itemsPerSet)
        : root (juce::File::createTempFile ("kbbench"))
    {
        base = root.getChildFile ("app");
        auto data = base.getChildFile ("data");
        data.createDirectory();

        TagCatalogue catalogue;
        juce::Random random (numSets * 100003 + itemsPerSet);
        const char* words[] = { "play", "the", "bass", "line", "slower", "add", "brass", "in", "7/4", "mute",
                                "drums", "écoute", "silence", "reverse", "chords", "modulate", "up", "a", "third", "drone" };
        const int numWords = (int) (sizeof (words) / sizeof (words[0]));

        for (int s = 0; s < numSets; ++s)
        {
            AdviceSet set (&catalogue);
            set.setFile (data.getChildFile ("set" + juce::String (s) + ".kbs"));
            set.setName ("Set " + juce::String (s));
            set.setAuthor ("Bench");
            set.setDescription ("Generated for timing");
            set.setLanguage (s % 2);
            set.setColour (juce::Colour ((juce::uint32) random.nextInt() | 0xff000000u));

            for (int i = 0; i < itemsPerSet; ++i)
            {
                juce::String text;
                for (int w = 6 + random.nextInt (6); --w >= 0;)
                    text << juce::String::fromUTF8 (words[random.nextInt (numWords)]) << ' ';

                set.addItem();
                set.setItemText (i, text.trimEnd());
                set.setItemTagsFromString (i, juce::String (random.nextInt (3)) + "," + juce::String (100 + random.nextInt (6)) + ","
                                                  + juce::String (300 + random.nextInt (24)) + ",");
                set.setItemFavourite (i, random.nextInt (10) == 0);
            }

            set.writeToFile();
        }

        files = data.findChildFiles (juce::File::findFiles, false, "*.kbs");
    }

    ~GeneratedLibrary() { root.deleteRecursively(); }

    juce::File root, base;
    juce::Array<juce::File> files;
};

/** Writing a large library takes a while: each size is generated once per run. */
GeneratedLibrary& getLibrary (int numSets, int itemsPerSet)
{
    static std::map<std::pair<int, int>, std::unique_ptr<GeneratedLibrary>> libraries;
    auto& library = libraries[{ numSets, itemsPerSet }];

    if (library == nullptr)
        library = std::make_unique<GeneratedLibrary> (numSets, itemsPerSet);

    return *library;
}

void setCounters (benchmark::State& state)
{
    auto items = state.range (0) * state.range (1);
    state.SetItemsProcessed (state.iterations() * items);
    state.counters["ns_per_item"] = benchmark::Counter ((double) items * (double) state.iterations(),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

/** What a refresh of the main screen costs: scan every header, then read every set for the pool. */
void BM_LibraryReloadAndBuildPool (benchmark::State& state)
{
    auto& generated = getLibrary ((int) state.range (0), (int) state.range (1));
    TagCatalogue catalogue;
    SetLibrary library (&catalogue);
    library.setBaseFolder (generated.base);

    for (auto _ : state)
    {
        library.reload();
        library.buildPool (-1, {}, -1, 0);
        auto poolSize = library.getPoolSize();
        benchmark::DoNotOptimize (poolSize);
    }

    if (library.getPoolSize() != state.range (0) * state.range (1))
        state.SkipWithError ("the pool does not hold every generated item");

    setCounters (state);
}

/** The two halves of a refresh apart: the header scan ... */
void BM_LibraryReloadOnly (benchmark::State& state)
{
    auto& generated = getLibrary ((int) state.range (0), (int) state.range (1));
    TagCatalogue catalogue;
    SetLibrary library (&catalogue);
    library.setBaseFolder (generated.base);

    for (auto _ : state)
    {
        library.reload();
        auto numSets = library.getNumSets();
        benchmark::DoNotOptimize (numSets);
    }

    setCounters (state);
}

/** ... and the complete read of every set for the pool. */
void BM_LibraryBuildPoolOnly (benchmark::State& state)
{
    auto& generated = getLibrary ((int) state.range (0), (int) state.range (1));
    TagCatalogue catalogue;
    SetLibrary library (&catalogue);
    library.setBaseFolder (generated.base);
    library.reload();

    for (auto _ : state)
    {
        library.buildPool (-1, {}, -1, 0);
        auto poolSize = library.getPoolSize();
        benchmark::DoNotOptimize (poolSize);
    }

    setCounters (state);
}

/** The floor: every set file loaded once as text, nothing parsed. */
void BM_BareLoadOfTheSameFiles (benchmark::State& state)
{
    auto& generated = getLibrary ((int) state.range (0), (int) state.range (1));

    for (auto _ : state)
    {
        int loaded = 0;
        for (auto& file : generated.files)
            loaded += file.loadFileAsString().isNotEmpty() ? 1 : 0;
        benchmark::DoNotOptimize (loaded);
    }

    setCounters (state);
}

void librarySizes (benchmark::internal::Benchmark* b)
{
    b->ArgNames ({ "sets", "items" });
    b->Args ({ 100, 1000 })->Args ({ 100, 100 })->Args ({ 10, 1000 })->Args ({ 10, 10000 });
    b->Unit (benchmark::kMillisecond);
}
} // namespace

BENCHMARK (BM_LibraryReloadAndBuildPool)->Apply (librarySizes);
BENCHMARK (BM_LibraryReloadOnly)->Apply (librarySizes);
BENCHMARK (BM_LibraryBuildPoolOnly)->Apply (librarySizes);
BENCHMARK (BM_BareLoadOfTheSameFiles)->Apply (librarySizes);
