#include "advice/AdviceSet.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace
{
/** Set files of a given size, written once by the set's own writer and removed at exit. */
class BenchSets
{
public:
    ~BenchSets() { folder.deleteRecursively(); }

    static BenchSets& get()
    {
        static BenchSets instance;
        return instance;
    }

    /** A complete set of that many items, written once. A sorted file is what the program
        writes back after reading a set; an unsorted one (items added in random order) makes
        the reader sort. */
    AdviceSet& getSet (int numItems, bool sorted = true)
    {
        auto& set = sets[{ numItems, sorted }];

        if (set == nullptr)
        {
            set = std::make_unique<AdviceSet> (nullptr);
            set->setFile (folder.getChildFile ("set" + juce::String (numItems) + (sorted ? "" : "-unsorted") + ".kbs"));
            set->setName ("Benchmark set");
            set->setDescription (juce::String (juce::CharPointer_UTF8 ("Conseils g\xc3\xa9n\xc3\xa9r\xc3\xa9s")));
            set->setAuthor ("Bench");
            set->setColour (juce::Colour (200, 100, 50));

            // Sentences of words drawn from a small bilingual vocabulary, accents included.
            juce::Random random (numItems);
            const char* words[] = { "write", "a", "7/4", "section", "more", "brass", "remove", "the", "verses",
                                    "courage", "play", "slower", "faster", "with", "without", "drums", "bass",
                                    "guitar", "strings", "melody", "chord", "silence", "repeat", "invert",
                                    "double", "half", "time", "key", "change", "end", "start", "loop", "noise",
                                    "\xc3\xa9\x63ris", "m\xc3\xa9lodie", "plus", "de", "cuivres", "l\xe2\x80\x99harmonie",
                                    "\xc3\xa0", "l\xe2\x80\x99" "envers", "rythme", "refrain", "couplet", "fin", "d\xc3\xa9" "but",
                                    "tempo", "lent", "rapide", "sans", "avec", "batterie", "basse", "guitare",
                                    "cordes", "accord", "grille", "\xc3\xa9\x63oute", "joue", "change", "tout", "rien" };

            for (int i = 0; i < numItems; ++i)
            {
                juce::String text;

                for (int w = 4 + random.nextInt (9); --w >= 0;)
                    text << juce::String (juce::CharPointer_UTF8 (words[random.nextInt ((int) std::size (words))])) << ' ';

                text << random.nextInt (1000000);

                set->addItem();
                set->setItemText (i, text);
                set->setItemFavourite (i, random.nextInt (10) == 0);

                juce::String tags;
                const int tagBases[] = { 0, 200, 300, 400 };

                for (int t = 1 + random.nextInt (4); --t >= 0;)
                    tags << tagBases[t] + random.nextInt (16) << ',';

                set->setItemTagsFromString (i, tags);
            }

            if (sorted)
                set->sortItems();

            set->writeToFile();

            // Keep the set as a read gives it, laid out in memory in file order like every set
            // the program saves (a favourite toggled, an edit), not as it was put together.
            auto read = std::make_unique<AdviceSet> (nullptr);
            read->setFile (set->getFile());
            read->readFromFile (2);
            set = std::move (read);
        }

        return *set;
    }

    juce::File getFile (int numItems, bool sorted = true) { return getSet (numItems, sorted).getFile(); }

private:
    BenchSets()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getNonexistentChildFile ("kindlebrook-bench", {}, false))
    {
        folder.createDirectory();

        // All files up front, whatever the filter: the big ones leave the allocator in the state
        // a long-running program has, instead of the first cases paying for growing the heap.
        for (int numItems : { 1000, 10000, 100000 })
            for (bool sorted : { true, false })
                getSet (numItems, sorted);
    }

    juce::File folder;
    std::map<std::pair<int, bool>, std::unique_ptr<AdviceSet>> sets;
};

void setCounters (benchmark::State& state, const juce::File& file)
{
    state.SetItemsProcessed ((int64_t) state.iterations() * state.range (0));
    state.SetBytesProcessed ((int64_t) state.iterations() * file.getSize());
}

void readBenchmark (benchmark::State& state, bool sorted)
{
    const auto file = BenchSets::get().getFile ((int) state.range (0), sorted);
    AdviceSet set (nullptr);
    set.setFile (file);

    for (auto _ : state)
    {
        set.readFromFile (2);
        benchmark::DoNotOptimize (set.getNumItems());
    }

    if (set.getNumItems() != state.range (0))
        state.SkipWithError ("the set did not read back whole");

    setCounters (state, file);
}

void BM_ReadFromFile (benchmark::State& state)          { readBenchmark (state, true); }
void BM_ReadFromFileUnsorted (benchmark::State& state)  { readBenchmark (state, false); }

void BM_LoadFileAsString (benchmark::State& state)
{
    const auto file = BenchSets::get().getFile ((int) state.range (0));

    for (auto _ : state)
    {
        auto text = file.loadFileAsString();
        benchmark::DoNotOptimize (text.getCharPointer().getAddress());
    }

    setCounters (state, file);
}

void BM_WriteToFile (benchmark::State& state)
{
    auto& set = BenchSets::get().getSet ((int) state.range (0));

    for (auto _ : state)
        if (! set.writeToFile())
            state.SkipWithError ("write failed");

    setCounters (state, set.getFile());
}

void BM_ReplaceWithText (benchmark::State& state)
{
    auto& set = BenchSets::get().getSet ((int) state.range (0));
    const auto text = set.createFileText();

    for (auto _ : state)
        set.getFile().replaceWithText (text, true, true);

    setCounters (state, set.getFile());
}
} // namespace

BENCHMARK (BM_ReadFromFile)->Arg (1000)->Arg (10000)->Arg (100000)->Unit (benchmark::kMillisecond);
BENCHMARK (BM_ReadFromFileUnsorted)->Arg (1000)->Arg (10000)->Arg (100000)->Unit (benchmark::kMillisecond);
BENCHMARK (BM_LoadFileAsString)->Arg (1000)->Arg (10000)->Arg (100000)->Unit (benchmark::kMillisecond);
BENCHMARK (BM_WriteToFile)->Arg (1000)->Arg (10000)->Arg (100000)->Unit (benchmark::kMillisecond);
BENCHMARK (BM_ReplaceWithText)->Arg (1000)->Arg (10000)->Arg (100000)->Unit (benchmark::kMillisecond);

