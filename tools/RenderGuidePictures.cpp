// Draws the user's guide's annotated pictures with the program's own components: the main
// screen and the set editor, in French and in English, each part marked with a numbered badge
// that the guide's legend under the picture explains. The editor's buttons name themselves
// only under the mouse, so these pictures are where a reader learns them.
//   RenderGuidePictures <output folder> <bundled data folder>
// writes main-screen-, set-editor- and tags-page-<fr|en>.png and prints each one's number of
// badges; scripts/screenshots runs it.
#include "editor/EditionComponent.h"
#include "look/CustomLookAndFeel.h"
#include "mainscreen/MainComponent.h"
#include "mainscreen/SettingsFile.h"
#include "widgets/SpecialButton.h"

#include <iostream>
#include <stdexcept>

namespace
{
constexpr float scale = 2.0f;   // sharp on the screens that double their pixels
constexpr int margin = 40;      // room around the window for the badges
const juce::Colour badgeColour { 0xffffd400 };

/** Answers the editor's file dialog with one set, as a user who chose it would. */
struct OpenThisSet : public EditionDialogs
{
    explicit OpenThisSet (const juce::File& set) : file (set) {}
    void askYesNoCancel (const juce::String&, const juce::String&, const juce::String&, const juce::String&,
                         const juce::String&, std::function<void (int)> answer) override { answer (0); }
    void askOkCancel (const juce::String&, const juce::String&, const juce::String&, const juce::String&,
                      std::function<void (bool)> answer) override { answer (false); }
    void chooseFileToOpen (const juce::String&, const juce::File&, const juce::String&,
                           std::function<void (const juce::File&)> answer) override { answer (file); }
    void chooseFileToSave (const juce::String&, const juce::File&, const juce::String&,
                           std::function<void (const juce::File&)> answer) override { answer ({}); }
    void showProblem (const juce::String&, const juce::String& message, std::function<void()>) override
    {
        throw std::runtime_error (message.toStdString());
    }

    juce::File file;
};

/** A child the picture points at: it must be on screen, or the legend would explain nothing. */
juce::Component& shown (juce::Component& root, juce::Component* child, const char* what)
{
    for (auto* c = child; c != nullptr && c != &root; c = c->getParentComponent())
        if (! c->isVisible())
            child = nullptr;

    if (child == nullptr)
        throw std::runtime_error (std::string ("not on screen: ") + what);

    return *child;
}

juce::Component& shownById (juce::Component& root, juce::Component& parent, const char* id)
{
    return shown (root, parent.findChildWithID (id), id);
}

juce::Point<float> circleCentre (juce::Component& root, juce::Component& button)
{
    auto& b = dynamic_cast<SpecialButton&> (button);
    return root.getLocalArea (&b, b.getCircleBounds()).getCentre();
}

/** Where a label's text is drawn, laid out as the program's look lays it out. */
juce::Rectangle<float> textBounds (juce::Component& root, juce::Component& component)
{
    auto& label = dynamic_cast<juce::Label&> (component);
    const auto font = label.getFont();
    const auto w = label.getWidth(), h = label.getHeight();
    juce::GlyphArrangement glyphs;

    if (label.getMinimumHorizontalScale() == 1.0f)
        glyphs = CustomLookAndFeel::layOutWrappedText (font, label.getText(), w, h, label.getJustificationType());
    else
        glyphs.addFittedText (font, label.getText(), 0.0f, 0.0f, (float) w, (float) h, label.getJustificationType(),
                              juce::jmax (1, (int) ((float) h / font.getHeight())), label.getMinimumHorizontalScale());

    return root.getLocalArea (&label, glyphs.getBoundingBox (0, -1, true));
}

/** The window as the program paints it, framed, with numbered badges around it. */
class Picture
{
public:
    explicit Picture (juce::Component& screen)
        : size (screen.getWidth(), screen.getHeight()),
          image (juce::Image::RGB, (int) (scale * (float) (size.x + 2 * margin)), (int) (scale * (float) (size.y + 2 * margin)), true),
          g (image)
    {
        g.addTransform (juce::AffineTransform::scale (scale));
        g.fillAll (juce::Colours::black);
        g.saveState();
        g.setOrigin (margin, margin);
        screen.paintEntireComponent (g, true);
        g.restoreState();
        g.setColour (juce::Colour (0xff5a5a5a));
        g.drawRect (juce::Rectangle<int> (margin, margin, size.x, size.y).expanded (1), 1);
    }

    /** The next number's badge at `badge`, with a line to `target` (both in window coordinates). */
    void mark (juce::Point<float> target, juce::Point<float> badge)
    {
        const auto origin = juce::Point<float> ((float) margin, (float) margin);
        target += origin;
        badge += origin;
        constexpr float radius = 10.0f;

        g.setColour (juce::Colours::black.withAlpha (0.6f));
        g.drawLine ({ badge, target }, 3.0f);
        g.setColour (badgeColour);
        g.drawLine ({ badge, target }, 1.2f);
        g.fillEllipse (juce::Rectangle<float> (5.0f, 5.0f).withCentre (target));
        g.fillEllipse (juce::Rectangle<float> (2 * radius, 2 * radius).withCentre (badge));
        g.setColour (juce::Colours::black);
        g.setFont (juce::Font (juce::Font::getDefaultSansSerifFontName(), 13.0f, juce::Font::bold));
        g.drawText (juce::String (++count), juce::Rectangle<float> (2 * radius, 2 * radius).withCentre (badge),
                    juce::Justification::centred, false);
    }

    // Badge places just outside each side of the window.
    float left() const { return -margin / 2.0f; }
    float right() const { return (float) size.x + margin / 2.0f; }
    float top() const { return -margin / 2.0f; }
    float bottom() const { return (float) size.y + margin / 2.0f; }

    void save (const juce::File& file) const
    {
        file.deleteFile();
        juce::FileOutputStream out (file);
        juce::PNGImageFormat png;

        if (! out.openedOk() || ! png.writeImageToStream (image, out))
            throw std::runtime_error ("cannot write " + file.getFullPathName().toStdString());

        // What the guide's legend under the picture must explain, one line per badge.
        std::cout << file.getFileName() << " " << count << "\n";
    }

private:
    juce::Point<int> size;
    juce::Image image;
    juce::Graphics g;
    int count = 0;
};

/** The first advice of the set that sits on one or two lines. */
int pickAdvice (const AdviceSet& set)
{
    for (int i = 0; i < set.getNumItems(); ++i)
        if (const auto length = set.getItemText (i).length(); length >= 30 && length <= 60)
            return i;

    return 0;
}

juce::Label& labelShowing (juce::Component& screen, const juce::String& text)
{
    for (auto* child : screen.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child); label != nullptr && text.isNotEmpty() && label->getText() == text)
            return dynamic_cast<juce::Label&> (shown (screen, label, "main screen label"));

    throw std::runtime_error ("no label shows " + text.toStdString());
}

void drawMainScreen (MainComponent& main, const juce::File& file)
{
    Picture picture (main);
    const auto name = textBounds (main, labelShowing (main, main.getSetNameText()));
    const auto advice = textBounds (main, labelShowing (main, main.getAdviceText()));
    const auto author = textBounds (main, labelShowing (main, main.getAuthorText()));

    picture.mark ({ name.getCentreX(), name.getY() - 2.0f }, { name.getCentreX(), picture.top() });
    picture.mark ({ advice.getX() - 6.0f, advice.getCentreY() }, { picture.left(), advice.getCentreY() });
    picture.mark ({ author.getRight() + 3.0f, author.getCentreY() }, { picture.right(), author.getCentreY() });
    picture.mark ({ (float) main.getWidth() - 80.0f, 110.0f }, { picture.right(), 110.0f }); // the ring's right side

    for (auto* button : { &main.getMenuButton(), &main.getFavouriteButton(), &main.getNewAdviceButton() })
    {
        const auto centre = circleCentre (main, shown (main, button, "main screen button"));
        picture.mark (centre.translated (0.0f, 16.0f), { centre.x, picture.bottom() });
    }

    picture.save (file);
}

/** The editor as it shows an advice: every button of its advice page. */
void drawEditor (MainComponent& main, EditionComponent& editor, const juce::File& file)
{
    Picture picture (main);
    const auto button = [&] (const char* id) { return circleCentre (main, shownById (main, editor, id)); };
    const auto text = [&] (const char* id) { return textBounds (main, shownById (main, editor, id)); };

    for (auto* id : { "newSetButton", "openSetButton", "saveButton", "saveAsButton", "closeSetButton" })
        picture.mark (button (id).translated (0.0f, -11.0f), { button (id).x, picture.top() });

    for (auto* id : { "languageButton", "descriptionButton", "colourButton", "tagsButton" })
        picture.mark (button (id).translated (-11.0f, 0.0f), { picture.left(), button (id).y });

    const auto name = text ("nameLabel"), advice = text ("adviceLabel"), author = text ("authorLabel");
    picture.mark ({ name.getRight() + 3.0f, name.getCentreY() }, { picture.right(), name.getCentreY() });
    // Its badge between those of the colour and tags buttons.
    picture.mark ({ advice.getX() - 6.0f, advice.getCentreY() }, { picture.left(), 236.0f });
    picture.mark ({ author.getRight() + 3.0f, author.getCentreY() }, { picture.right(), author.getCentreY() });
    const auto wheel = main.getLocalArea (&editor, shownById (main, editor, "wheel").getBounds().toFloat());
    picture.mark ({ wheel.getCentreX() + 8.0f, wheel.getY() + 20.0f }, { picture.right(), wheel.getY() + 20.0f });

    for (auto* id : { "addAdviceButton", "duplicateAdviceButton", "deleteAdviceButton", "backButton" })
        picture.mark (button (id).translated (0.0f, 16.0f), { button (id).x, picture.bottom() });

    picture.save (file);
}

/** The tags page, the mouse over the advice's abstraction level, whose name and description show. */
void drawTagsPage (MainComponent& main, EditionComponent& editor, int advice, const juce::File& file)
{
    editor.buttonClicked (dynamic_cast<juce::Button*> (&shownById (main, editor, "tagsButton")));
    auto& tagManager = shownById (main, editor, "tagManager");
    int level = 0;

    while (level < 2 && ! editor.getCurrentSet()->itemHasTag (advice, level))
        ++level;

    // The bar's cells split its width, 30 pixels in from each side, at heights 70 to 90.
    const juce::Point<float> cell (30.0f + ((float) level + 0.5f) * (float) (tagManager.getWidth() - 60) / 3.0f, 80.0f);
    const auto now = juce::Time::getCurrentTime();
    tagManager.mouseMove (juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), cell, {},
                                            juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                                            juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                                            juce::MouseInputSource::defaultTiltY, &tagManager, &tagManager, now, cell, now, 0, false));

    Picture picture (main);
    const auto at = [&] (float x, float y) { return main.getLocalPoint (&tagManager, juce::Point<float> (x, y)); };
    picture.mark (at (26.0f, 48.0f), { picture.left(), at (0.0f, 48.0f).y });  // the tabs
    picture.mark (at (26.0f, 80.0f), { picture.left(), at (0.0f, 80.0f).y });  // the bar

    for (auto* nameOrDescription : tagManager.getChildren())
    {
        // Its other children only speak to a screen reader.
        if (dynamic_cast<juce::Label*> (nameOrDescription) == nullptr)
            continue;

        const auto bounds = textBounds (main, shown (main, nameOrDescription, "tag name or description"));
        picture.mark ({ bounds.getRight() + 6.0f, bounds.getY() + 8.0f }, { picture.right(), bounds.getY() + 8.0f });
    }

    const auto tagged = textBounds (main, shownById (main, editor, "tagsAdviceLabel"));
    picture.mark ({ tagged.getCentreX(), tagged.getBottom() + 3.0f }, { tagged.getCentreX(), picture.bottom() });
    const auto back = circleCentre (main, shownById (main, editor, "tagsButton"));
    picture.mark (back.translated (-11.0f, 0.0f), { picture.left(), back.y });
    const auto wheel = main.getLocalArea (&editor, shownById (main, editor, "wheel").getBounds().toFloat());
    picture.mark ({ wheel.getCentreX() + 8.0f, wheel.getY() + 20.0f }, { picture.right(), wheel.getY() + 20.0f });
    picture.save (file);
}

void renderLanguage (int language, const juce::File& bundledSet, const juce::File& output)
{
    const juce::String suffix (language == 0 ? "-fr.png" : "-en.png");
    struct Folder
    {
        ~Folder() { file.deleteRecursively(); }
        juce::File file = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("kb-guide-pictures", "");
    } const scratch;
    const auto& folder = scratch.file;
    const auto set = folder.getChildFile ("data").getChildFile (bundledSet.getFileName());

    if (! set.getParentDirectory().createDirectory() || ! bundledSet.copyFileTo (set))
        throw std::runtime_error ("cannot copy " + bundledSet.getFullPathName().toStdString());

    // A user who chose this language and has this one set.
    SettingsFile settings;
    settings.Language = settings.LanguageSet = language;
    settings.writeTo (folder.getChildFile ("Kindlebrook.ini"));

    {
        MainComponent main (folder);
        main.setVisible (true);

        AdviceSet advice (&main.getTagCatalogue());
        advice.setFile (set);
        advice.readFromFile (2);
        const auto wanted = advice.getItemText (pickAdvice (advice));

        for (int i = 0; i < main.getSetLibrary().getPoolSize(); ++i)
            if (main.getSetLibrary().getPoolText (i) == wanted)
                main.showAdvice (i, false);

        if (main.getAdviceText() != wanted)
            throw std::runtime_error ("the advice to show is not in the pool");

        drawMainScreen (main, output.getChildFile ("main-screen" + suffix));

        // The editor opens the same set, and Page Down steps to the same advice, as a user would.
        main.openSetEditor();
        auto& editor = *main.getEditionPanel();
        editor.setDialogs (std::make_unique<OpenThisSet> (set));
        editor.buttonClicked (dynamic_cast<juce::Button*> (&shownById (main, editor, "openSetButton")));

        if (! editor.isSetOpen())
            throw std::runtime_error ("the editor did not open the set");

        int position = 0;

        for (; position < editor.getCurrentSet()->getNumItems() && editor.getCurrentSet()->getItemText (position) != wanted; ++position)
            editor.keyPressed (juce::KeyPress (juce::KeyPress::pageDownKey));

        if (dynamic_cast<juce::Label&> (shownById (main, editor, "adviceLabel")).getText() != wanted)
            throw std::runtime_error ("Page Down did not reach the advice");

        drawEditor (main, editor, output.getChildFile ("set-editor" + suffix));
        drawTagsPage (main, editor, position, output.getChildFile ("tags-page" + suffix));
        editor.closeSet();
    }
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 3)
    {
        std::cerr << "usage: RenderGuidePictures <output folder> <bundled data folder>\n";
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI gui;
    const auto here = juce::File::getCurrentWorkingDirectory();
    const auto output = here.getChildFile (argv[1]);
    const auto data = here.getChildFile (argv[2]);

    try
    {
        if (! output.createDirectory())
            throw std::runtime_error ("cannot make " + output.getFullPathName().toStdString());

        renderLanguage (0, data.getChildFile ("composition-fr.kbs"), output);
        renderLanguage (1, data.getChildFile ("composing-en.kbs"), output);
    }
    catch (const std::exception& problem)
    {
        std::cerr << "RenderGuidePictures: " << problem.what() << "\n";
        return 1;
    }

    return 0;
}
