// How late the first painted window comes: the program's main screen against a bare JUCE window
// that draws the same ring. Both need a display (run under Xvfb); compare their ratio.
#include "mainscreen/MainComponent.h"

#include <benchmark/benchmark.h>

namespace
{
struct Ring : juce::Component
{
    Ring() { setSize (500, 350); }

    void paint (juce::Graphics& g) override
    {
        g.fillAll (juce::Colours::black);
        g.setColour (juce::Colours::orange);
        g.drawRoundedRectangle (80.0f, 50.0f, 340.0f, 190.0f, 50.0f, 16.0f);
    }
};

/** A folder standing for the executable's, with the bundled sets and the settings of a user who
    shows both languages: the most the start has to read. */
struct ProgramFolder
{
    juce::TemporaryFile temp;

    ProgramFolder()
    {
        temp.getFile().createDirectory();
        juce::File (KB_BENCH_DATA_DIR).copyDirectoryTo (temp.getFile().getChildFile ("data"));
        temp.getFile().getChildFile ("Kindlebrook.ini").replaceWithText (
            "Kindlebrook V1 - Init Data File\nLanguage=1;\nLanguageSet=-1;\nSets=;\nTags=-1;\nLastItem=700;\n");
    }

    ~ProgramFolder() { temp.getFile().deleteRecursively(); }
};

void firstPaintedWindow (benchmark::State& state, std::function<juce::Component*()> makeContent)
{
    // JUCE sets up X (its error handling among it) fully only for a program that is an application.
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return nullptr; };
    static juce::ScopedJuceInitialiser_GUI gui;

    if (juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() == nullptr)
    {
        state.SkipWithError ("no display: run under Xvfb");
        return;
    }

    for (auto _ : state)
    {
        auto window = std::make_unique<juce::DocumentWindow> ("Kindlebrook", juce::Colours::darkgrey,
                                                              juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton);
        window->setUsingNativeTitleBar (true);
        window->setContentOwned (makeContent(), true);
        window->centreWithSize (window->getWidth(), window->getHeight());
        window->setVisible (true);
        window->getPeer()->performAnyPendingRepaintsNow();

        state.PauseTiming();
        window = nullptr;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
        state.ResumeTiming();
    }
}

void BM_FirstPaintedWindow_Bare (benchmark::State& state)
{
    firstPaintedWindow (state, [] { return new Ring(); });
}

void BM_FirstPaintedWindow_Kindlebrook (benchmark::State& state)
{
    ProgramFolder folder;
    firstPaintedWindow (state, [&] { return new MainComponent (folder.temp.getFile()); });
}
} // namespace

BENCHMARK (BM_FirstPaintedWindow_Bare)->Unit (benchmark::kMillisecond);
BENCHMARK (BM_FirstPaintedWindow_Kindlebrook)->Unit (benchmark::kMillisecond);
