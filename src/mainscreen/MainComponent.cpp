#include "MainComponent.h"

#include "SettingsFile.h"

#include "editor/EditionComponent.h"
#include "look/AboutComponent.h"
#include "options/OptionsComponent.h"
#include "widgets/SpecialButton.h"

namespace
{
enum TimerIds
{
    fadeTimer = 0,
    automaticAdviceTimer = 1
};

enum MenuIds
{
    optionsItem = 1,
    setEditorItem = 2,
    downloadItem = 3,
    helpItem = 4,
    copyItem = 5,
    aboutItem = 9,
    firstTimerItem = 10
};

const int timerPeriods[] = { 0, 5, 10, 30, 60, 120, 300, 600 };

juce::String fromUtf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

std::unique_ptr<juce::Label> makeLabel (juce::Colour colour, juce::Justification justification, juce::Font font)
{
    auto label = std::make_unique<juce::Label>();
    label->setColour (juce::Label::textColourId, colour);
    label->setJustificationType (justification);
    label->setFont (font);
    return label;
}
juce::KeyPress copyKey()
{
    return juce::KeyPress ('c', juce::ModifierKeys::commandModifier, 0);
}

juce::PopupMenu::Item withShortcut (int id, const juce::String& text, const juce::KeyPress& key)
{
    juce::PopupMenu::Item item (text);
    item.itemID = id;
    item.shortcutKeyDescription = key.getTextDescription();
    return item;
}
} // namespace

//==============================================================================
MainComponent::MainComponent()
    : MainComponent (juce::File())
{
}

MainComponent::MainComponent (const juce::File& folderStandingForTheExecutables)
    : baseFolder (folderStandingForTheExecutables),
      helpPages (folderStandingForTheExecutables)
{
    juce::LookAndFeel::setDefaultLookAndFeel (&customLookAndFeel);
    setWantsKeyboardFocus (true);

    onProblem = [] (const juce::String& title, const juce::String& message)
    {
        juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::WarningIcon, title, message);
    };
    onQuitProblem = [this] (const juce::String& title, const juce::String& message)
    {
        return juce::AlertWindow::showOkCancelBox (juce::MessageBoxIconType::WarningIcon, title, message,
                                                   choose ("Quitter", "Quit"), choose ("Annuler", "Cancel"), this);
    };
    onOpenWebPage = [] (const juce::String& address) { juce::URL (address).launchInDefaultBrowser(); };

    setNameLabel = makeLabel (juce::Colours::yellow, juce::Justification::centredTop,
                              juce::Font ("Verdana", 16.0f, juce::Font::bold)).release();
    adviceLabel = makeLabel (juce::Colours::white, juce::Justification::centred,
                             juce::Font ("Verdana", 16.0f, juce::Font::plain)).release();
    adviceLabel->setMinimumHorizontalScale (1.0f);
    authorLabel = makeLabel (juce::Colours::lightgrey, juce::Justification::centredRight,
                             juce::Font ("Verdana", 13.0f, juce::Font::italic)).release();

    for (auto* label : { setNameLabel, adviceLabel, authorLabel })
        addAndMakeVisible (label);

    newAdviceButton = new SpecialButton();
    menuButton = new SpecialButton();
    favoriteButton = new SpecialButton();

    const std::pair<SpecialButton*, const char*> buttons[] = {
        { newAdviceButton, "+" }, { menuButton, "Menu" }, { favoriteButton, "Favorite" }
    };

    for (auto [button, type] : buttons)
    {
        addAndMakeVisible (button);
        button->addListener (this);
        button->setType (type);
        button->addKeyListener (this);
    }

    favoriteButton->setOnState (0);

    setLibrary = new SetLibrary (&tagCatalogue);
    if (baseFolder != juce::File())
        setLibrary->setBaseFolder (baseFolder);

    loadSettings();
    refreshPool();
    showAdvice (lastItem, false);
    // The restored advice was shown without a draw; it must not come again in this cycle.
    shuffleBag.startCycleAfter (setLibrary->getPoolSize(), currentIndex);

    aboutPanel = new AboutComponent();
    aboutPanel->setHelpPages (helpPages);
    optionsPanel = new OptionsComponent (&tagCatalogue, setLibrary);

    addChildComponent (aboutPanel);
    aboutPanel->addActionListener (this);
    addChildComponent (optionsPanel);
    optionsPanel->addActionListener (this);
    editionPanel = new EditionComponent (&tagCatalogue, setLibrary);
    addChildComponent (editionPanel);
    editionPanel->addActionListener (this);

    setSize (500, 350);
    // Ignored until the window is on screen; globalFocusChanged finishes the job.
    grabKeyboardFocus();
    juce::Desktop::getInstance().addFocusChangeListener (this);

    if (Timer > 0)
        restartAutomaticAdvice();
}

MainComponent::~MainComponent()
{
    juce::Desktop::getInstance().removeFocusChangeListener (this);
    // The close button has written them while it could still tell of a failure (isReadyToQuit);
    // a logout has not. Nothing can be shown here; a failed write keeps the old file.
    saveSettings();

    if (aboutPanel != nullptr)
        aboutPanel->removeActionListener (this);
    if (optionsPanel != nullptr)
        optionsPanel->removeActionListener (this);
    if (editionPanel != nullptr)
        editionPanel->removeActionListener (this);

    deleteAllChildren();
    delete setLibrary;
    setLibrary = nullptr;
    stopTimer (fadeTimer);
    stopTimer (automaticAdviceTimer);

    // The default look and feel must not outlive this member.
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

void MainComponent::grabFocusSoon()
{
    juce::MessageManager::callAsync ([safeThis = juce::Component::SafePointer<MainComponent> (this)]
    {
        if (safeThis != nullptr && safeThis->isShowing())
            safeThis->grabKeyboardFocus();
    });
}

void MainComponent::globalFocusChanged (juce::Component* focusedComponent)
{
    // A window that becomes active focuses itself, and keys would then never reach this component.
    if (focusedComponent == nullptr || focusedComponent == this
        || focusedComponent != getTopLevelComponent() || ! isShowing())
        return;

    // The set editor has shortcuts of its own; the other panels leave the keys to the main screen.
    if (editionPanel != nullptr && editionPanel->isVisible())
        editionPanel->grabKeyboardFocus();
    else
        grabKeyboardFocus();
}

bool MainComponent::isReadyToQuit()
{
    if (editionPanel != nullptr && editionPanel->isVisible() && ! editionPanel->canClose())
        return false;

    // Written while the window can still say it failed: the user may make room and try again.
    // The destructor writes the same values once more.
    if (saveSettings())
        return true;

    return onQuitProblem (choose ("Réglages non enregistrés", "Settings not saved"),
                          settingsNotWrittenMessage() + "\n\n"
                              + choose ("Quitter quand même ? Les réglages de cette séance seront perdus.",
                                        "Quit anyway? The settings of this session will be lost."));
}

void MainComponent::prepareForSessionEnd()
{
    if (editionPanel != nullptr && editionPanel->isVisible())
        editionPanel->keepRecoveryCopy();
}

//==============================================================================
void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
    g.setColour (currentColour);
    g.drawRoundedRectangle (80.0f, 50.0f, (float) getWidth() - 160.0f, (float) getHeight() - 160.0f, 50.0f, 16.0f);
}

void MainComponent::resized()
{
    const auto w = getWidth();
    const auto h = getHeight();

    setNameLabel->setBounds (100, 70, w - 200, 24);
    adviceLabel->setBounds (100, 95, w - 200, 96);
    authorLabel->setBounds (110, h - 150, w - 220, 24);
    menuButton->setBounds (20, h - 55, 42, 52);
    favoriteButton->setBounds (w - 107, h - 55, 42, 52);
    newAdviceButton->setBounds (w - 55, h - 55, 42, 52);

    for (juce::Component* panel : { (juce::Component*) aboutPanel, (juce::Component*) optionsPanel, (juce::Component*) editionPanel })
        if (panel != nullptr)
            panel->setBounds (0, 0, w, h);
}

bool MainComponent::keyPressed (const juce::KeyPress& key)
{
    const auto mods = key.getModifiers();

    if (key.getKeyCode() == juce::KeyPress::F1Key
        && ! mods.isShiftDown() && ! mods.isCtrlDown() && ! mods.isAltDown())
    {
        onOpenWebPage (getHelpAddress());
        return true;
    }

    // Keys left unused by a panel reach this component too; they must not act behind it.
    if (isAnyPanelVisible())
        return false;

    if (key == copyKey())
    {
        copyAdviceToClipboard();
        return true;
    }

    if (key == juce::KeyPress (juce::KeyPress::spaceKey) || key == juce::KeyPress (juce::KeyPress::returnKey))
    {
        showAdvice (-1, true);
        return true;
    }

    return false;
}

juce::String MainComponent::settingsNotWrittenMessage() const
{
    return choose ("Le fichier des réglages n'a pas pu être écrit : ", "The settings file could not be written: ")
         + getSettingsFile().getFullPathName();
}

juce::String MainComponent::getHelpAddress() const
{
    return helpPages.getAddress (Language);
}

juce::String MainComponent::getMoreSetsAddress() const
{
    return helpPages.getAddress (Language, HelpPages::setsSection);
}

bool MainComponent::keyPressed (const juce::KeyPress& key, juce::Component*)
{
    return keyPressed (key);
}

void MainComponent::buttonClicked (juce::Button* button)
{
    if (button == newAdviceButton)
        showAdvice (-1, true);
    else if (button == menuButton)
        showMenu();
    else if (button == favoriteButton)
        toggleFavourite();
}

void MainComponent::actionListenerCallback (const juce::String& message)
{
    if (message == "AboutExit")
    {
        aboutPanel->setVisible (false);
        grabFocusSoon();
    }
    else if (message == "OptionsOK")
    {
        optionsPanel->setVisible (false);
        Language = optionsPanel->getLanguage();
        LanguageSet = optionsPanel->getLanguageSet();
        Sets = optionsPanel->getSelectedSetFile();
        Tags = optionsPanel->getTagFilter();
        LookForFavorites = optionsPanel->isFavoritesOnly();

        if (! saveSettings())
            onProblem (choose ("Réglages non enregistrés", "Settings not saved"), settingsNotWrittenMessage());

        refreshPool();
    }
    else if (message == "OptionsCancel")
    {
        optionsPanel->setVisible (false);
        // A language tried in the panel has rebuilt the shared catalogue: take it back.
        tagCatalogue.rebuild (Language != 0);
        grabFocusSoon();
    }
    else if (message == "EditionExit")
    {
        editionPanel->setVisible (false);
        refreshPool();
    }
}

void MainComponent::timerCallback (int timerID)
{
    if (timerID == fadeTimer)
    {
        ++fadeStep;

        if (fadeStep < 30)
            startTimer (fadeTimer, 100);
        else
            stopTimer (fadeTimer);

        if (fadeStep > 20)
        {
            const auto f = (float) (fadeStep - 20) / 10.0f;
            const auto h0 = fadeFromColour.getHue(), s0 = fadeFromColour.getSaturation(), b0 = fadeFromColour.getBrightness();
            const auto h1 = fadeToColour.getHue(), s1 = fadeToColour.getSaturation(), b1 = fadeToColour.getBrightness();
            float hue;

            // The shorter way round the colour circle.
            if (std::abs (h0 - h1) <= 0.5f)
            {
                hue = h0 + (h1 - h0) * f;
            }
            else if (h0 - h1 > 0.5f)
            {
                hue = h0 + (h1 + 1.0f - h0) * f;
                if (hue > 1.0f)
                    hue -= 1.0f;
            }
            else
            {
                hue = h0 + (h1 - 1.0f - h0) * f;
                if (hue < 0.0f)
                    hue += 1.0f;
            }

            currentColour = juce::Colour (hue, s0 + (s1 - s0) * f, b0 + (b1 - b0) * f, fadeFromColour.getFloatAlpha());
        }

        setButtonsColour (currentColour);
        repaint();
    }
    else if (timerID == automaticAdviceTimer)
    {
        if (! isAnyPanelVisible())
            showAdvice (-1, true);

        restartAutomaticAdvice();
    }
}

//==============================================================================
void MainComponent::refreshPool()
{
    setLibrary->reload();
    setLibrary->buildPool (LanguageSet, Sets, Tags, LookForFavorites ? 1 : 0);
    showAdvice (-1, false);
}

void MainComponent::showAdvice (int index, bool fade)
{
    const auto n = setLibrary->getPoolSize();

    if (n > 0 && index == -1)
        currentIndex = shuffleBag.next (n);
    else if (index >= 0 && index < n)
        currentIndex = index;
    else
        currentIndex = 0;

    const auto setName = setLibrary->getPoolSetName (currentIndex);
    setNameLabel->setText (setName, juce::dontSendNotification);

    const auto text = setLibrary->getPoolText (currentIndex);

    if (text.isEmpty())
    {
        adviceLabel->setText (choose ("Aucun conseil n'a été trouvé. Vous devriez modifier le filtrage des tags (options) et vérifier que les sets sont dans le dossier data.",
                                      "No advice has been found. You should change the tag filtering (options), or verify that your advice sets are in the data folder."),
                              juce::dontSendNotification);
        favoriteButton->setVisible (false);
    }
    else
    {
        adviceLabel->setText (text, juce::dontSendNotification);
        favoriteButton->setVisible (! LookForFavorites);
        // A set without a name still brings its advice: the star follows every advice shown.
        favoriteButton->setOnState (setLibrary->isPoolFavourite (currentIndex) ? 1 : 0);
    }

    authorLabel->setText (setName.isEmpty() ? juce::String() : setLibrary->getPoolAuthor (currentIndex),
                          juce::dontSendNotification);

    const auto colour = setLibrary->getPoolColour (currentIndex);

    if (fade)
    {
        startColourFade (colour);
    }
    else
    {
        // A fade still running would otherwise carry on from its old colours.
        stopTimer (fadeTimer);
        currentColour = colour;
        fadeToColour = colour;
        setButtonsColour (colour);
    }

    grabKeyboardFocus();
    repaint();
}

void MainComponent::startColourFade (juce::Colour target)
{
    if (target == fadeToColour)
        return;

    fadeFromColour = currentColour;
    fadeToColour = target;
    fadeStep = 0;
    startTimer (fadeTimer, 100);
}

void MainComponent::toggleFavourite()
{
    const auto newState = favoriteButton->getOnState() != 1 ? 1 : 0;
    favoriteButton->setOnState (newState);

    if (! setLibrary->setPoolFavourite (currentIndex, newState == 1))
    {
        // Show what the set file really holds, and say why the mark did not stick.
        favoriteButton->setOnState (setLibrary->isPoolFavourite (currentIndex) ? 1 : 0);
        onProblem (choose ("Favori non enregistré", "Favourite not saved"),
                   choose ("Le fichier du set n'a pas pu être écrit, ou ne contient plus ce conseil : ",
                           "The set file could not be written, or no longer holds this advice: ")
                       + setLibrary->getPoolSetName (currentIndex));
    }
}

void MainComponent::setButtonsColour (juce::Colour colour)
{
    for (auto* button : { newAdviceButton, menuButton, favoriteButton })
    {
        button->setButtonColour (colour);
        button->repaint();
    }
}

//==============================================================================
juce::File MainComponent::getSettingsFile() const
{
    if (baseFolder != juce::File())
        return baseFolder.getChildFile ("Kindlebrook.ini");

    return juce::File::getSpecialLocation (juce::File::currentApplicationFile).getSiblingFile ("Kindlebrook.ini");
}

void MainComponent::loadSettings()
{
    SettingsFile settings;

    if (! settings.readFrom (getSettingsFile()))
    {
        saveSettings();
        return;
    }

    storedSettings = std::make_unique<SettingsFile> (settings);

    Language = settings.Language;
    LanguageSet = settings.LanguageSet;
    Sets = settings.Sets;
    Tags = settings.Tags;
    lastItem = settings.LastItem;
    LookForFavorites = settings.LookForFavorites;
    // A negative period from a hand-edited file means no automatic advice.
    Timer = juce::jmax (0, settings.Timer);

    tagCatalogue.rebuild (Language != 0);
}

bool MainComponent::saveSettings()
{
    SettingsFile mine;
    mine.Language = Language;
    mine.LanguageSet = LanguageSet;
    mine.Sets = Sets;
    mine.Tags = Tags;
    mine.LastItem = currentIndex;
    mine.LookForFavorites = LookForFavorites;
    mine.Timer = Timer;

    const auto file = getSettingsFile();

    if (storedSettings == nullptr)
        storedSettings = std::make_unique<SettingsFile> (mine);

    // Another running copy may have written the file since: keep what it chose and this one did
    // not touch. Only a whole settings file speaks for a copy; anything else is written over.
    auto onDisk = *storedSettings;
    const auto text = SettingsFile::loadText (file);

    if (text.startsWith (SettingsFile::header) && text.contains ("\nTimer="))
        onDisk.parse (text);

    if (! SettingsFile::merge (*storedSettings, mine, onDisk).writeTo (file))
        return false;

    *storedSettings = mine;
    return true;
}

//==============================================================================
juce::String MainComponent::choose (const char* french, const char* english) const
{
    return fromUtf8 (Language == 0 ? french : english);
}

juce::PopupMenu MainComponent::buildMenu() const
{
    juce::PopupMenu timerMenu;
    const char* const timerTexts[][2] = {
        { "Désactiver", "Disabled" },
        { "5 secondes", "5 seconds" },
        { "10 secondes", "10 seconds" },
        { "30 secondes", "30 seconds" },
        { "1 minute", "1 minute" },
        { "2 minutes", "2 minutes" },
        { "5 minutes", "5 minutes" },
        { "10 minutes", "10 minutes" }
    };

    for (int i = 0; i < (int) std::size (timerPeriods); ++i)
        timerMenu.addItem (firstTimerItem + i, choose (timerTexts[i][0], timerTexts[i][1]), true, Timer == timerPeriods[i]);

    juce::PopupMenu menu;
    menu.addItem (optionsItem, choose ("Options", "Options"));
    menu.addSubMenu (choose ("Minuterie", "Timer"), timerMenu);
    menu.addSeparator();
    menu.addItem (setEditorItem, choose ("Édition des sets", "Sets edition"));
    menu.addItem (downloadItem, choose ("Récupérer plus de sets...", "To get more sets..."));
    menu.addSeparator();
    menu.addItem (withShortcut (helpItem, choose ("Aide", "Help"), juce::KeyPress (juce::KeyPress::F1Key)));
    menu.addItem (withShortcut (copyItem, choose ("Copier le conseil en cours", "Copy the current advice"), copyKey()));
    menu.addItem (aboutItem, choose ("A propos de Kindlebrook...", "About Kindlebrook..."));
    return menu;
}

void MainComponent::showMenu()
{
    juce::LookAndFeel_V2 menuLook;
    menuLook.setColour (juce::PopupMenu::backgroundColourId, juce::Colours::black);
    menuLook.setColour (juce::PopupMenu::textColourId, juce::Colours::lightgrey);
    menuLook.setColour (juce::PopupMenu::highlightedBackgroundColourId, currentColour);

    auto menu = buildMenu();
    menu.setLookAndFeel (&menuLook);
    const auto result = menu.show();
    menu.setLookAndFeel (nullptr);

    handleMenuResult (result);
}

void MainComponent::handleMenuResult (int result)
{
    switch (result)
    {
        case optionsItem:
            customLookAndFeel.setEditorButtonStyle (false);
            optionsPanel->rereadSets();
            optionsPanel->setLanguageSet (LanguageSet);
            optionsPanel->setLanguage (Language);
            optionsPanel->setSelectedSet (Sets, LookForFavorites);
            optionsPanel->setTagFilter (Tags);
            optionsPanel->showSetDescription();
            optionsPanel->setVisible (true);
            tagCatalogue.rebuild (Language != 0);
            break;

        case setEditorItem:
            customLookAndFeel.setEditorButtonStyle (true);
            editionPanel->closeSet();
            editionPanel->setLanguage (Language);
            editionPanel->setVisible (true);
            // The editor's shortcuts must work at once, without a click into the panel first.
            editionPanel->grabKeyboardFocus();
            tagCatalogue.rebuild (Language != 0);
            break;

        case downloadItem:
            onOpenWebPage (getMoreSetsAddress());
            break;

        case helpItem:
            onOpenWebPage (getHelpAddress());
            break;

        case copyItem:
            copyAdviceToClipboard();
            break;

        case aboutItem:
            aboutPanel->setLanguage (Language);
            aboutPanel->setVisible (true);
            break;

        default:
            // A timer choice, or the menu dismissed: the automatic advice starts a full period again.
            if (result >= firstTimerItem && result < firstTimerItem + (int) std::size (timerPeriods))
                Timer = timerPeriods[result - firstTimerItem];

            restartAutomaticAdvice();
            break;
    }
}

void MainComponent::copyAdviceToClipboard() const
{
    juce::SystemClipboard::copyTextToClipboard (adviceLabel->getText());
}

void MainComponent::restartAutomaticAdvice()
{
    // A hand-edited period too long for the timer is held at about 24 days.
    if (Timer > 0)
        startTimer (automaticAdviceTimer, juce::jmin (Timer, std::numeric_limits<int>::max() / 1000) * 1000);
    else
        stopTimer (automaticAdviceTimer);
}

bool MainComponent::isAnyPanelVisible() const
{
    return (aboutPanel != nullptr && aboutPanel->isVisible())
        || (optionsPanel != nullptr && optionsPanel->isVisible())
        || (editionPanel != nullptr && editionPanel->isVisible());
}

juce::String MainComponent::getSetNameText() const { return setNameLabel->getText(); }
juce::String MainComponent::getAdviceText() const { return adviceLabel->getText(); }
juce::String MainComponent::getAuthorText() const { return authorLabel->getText(); }
