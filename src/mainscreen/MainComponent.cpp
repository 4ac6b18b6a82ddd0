#include "MainComponent.h"

#include "editor/EditionComponent.h"
#include "look/AboutComponent.h"
#include "look/PanelFocus.h"
#include "options/OptionsComponent.h"

namespace
{
enum TimerIds
{
    fadeTimer = 0,
    automaticAdviceTimer = 1
};

juce::File settingsFileBeside (const juce::File& folderStandingForTheExecutables)
{
    const auto folder = folderStandingForTheExecutables != juce::File()
                          ? folderStandingForTheExecutables
                          : juce::File::getSpecialLocation (juce::File::currentApplicationFile).getParentDirectory();
    return folder.getChildFile ("Kindlebrook.ini");
}

void styleLabel (juce::Label& label, juce::Colour colour, juce::Justification justification, juce::Font font)
{
    label.setColour (juce::Label::textColourId, colour);
    label.setJustificationType (justification);
    label.setFont (font);
}
} // namespace

//==============================================================================
MainComponent::MainComponent()
    : MainComponent (juce::File())
{
}

MainComponent::MainComponent (const juce::File& folderStandingForTheExecutables)
    : baseFolder (folderStandingForTheExecutables),
      helpPages (folderStandingForTheExecutables),
      settings (settingsFileBeside (folderStandingForTheExecutables)),
      panels (*this, *this, tagCatalogue, setLibrary, helpPages, commandManager),
      commands (*this, commandManager)
{
    juce::LookAndFeel::setDefaultLookAndFeel (&customLookAndFeel);
    // The focus goes to the advice text, which a screen reader then reads (see resting focus below).
    setWantsKeyboardFocus (false);

    onProblem = [] (const juce::String& title, const juce::String& message)
    {
        juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::WarningIcon, title, message);
    };
    onQuitProblem = [this] (const juce::String& title, const juce::String& message, std::function<void (bool)> answer)
    {
        juce::AlertWindow::showOkCancelBox (juce::MessageBoxIconType::WarningIcon, title, message,
                                            choose ("Quitter", "Quit"), choose ("Annuler", "Cancel"), this,
                                            juce::ModalCallbackFunction::create ([answer] (int button) { answer (button == 1); }));
    };
    onOpenWebPage = [] (const juce::String& address) { juce::URL (address).launchInDefaultBrowser(); };
    onAnnounce = [] (const juce::String& notice)
    {
        juce::AccessibilityHandler::postAnnouncement (notice, juce::AccessibilityHandler::AnnouncementPriority::medium);
    };

    styleLabel (setNameLabel, juce::Colours::yellow, juce::Justification::centredTop, juce::Font ("Verdana", 16.0f, juce::Font::bold));
    styleLabel (adviceLabel, juce::Colours::white, juce::Justification::centred, juce::Font ("Verdana", 16.0f, juce::Font::plain));
    adviceLabel.setMinimumHorizontalScale (1.0f);
    styleLabel (authorLabel, juce::Colours::lightgrey, juce::Justification::centredRight, juce::Font ("Verdana", 13.0f, juce::Font::italic));

    for (auto* label : { &setNameLabel, &adviceLabel, &authorLabel })
        addAndMakeVisible (label);

    const std::pair<SpecialButton*, const char*> buttons[] = {
        { &newAdviceButton, "+" }, { &menuButton, "Menu" }, { &favoriteButton, "Favorite" }
    };

    for (auto [button, type] : buttons)
    {
        addAndMakeVisible (button);
        button->addListener (this);
        button->setType (type);
        button->addKeyListener (this);
    }

    favoriteButton.setToggleable (true);
    favoriteButton.setOnState (0);

    // Reading order for a screen reader; Tab visits those that take the focus in the same order.
    // The advice text is where the focus rests, so that Space and Return there draw a new advice.
    adviceLabel.setWantsKeyboardFocus (true);
    PanelFocus::setReadingOrder (screenControls());

    if (baseFolder != juce::File())
        setLibrary.setBaseFolder (baseFolder);

    // Keys go to the main screen's commands, and through them to the panel shown.
    commandManager.setFirstCommandTarget (&commands);
    commands.nextTarget = [this] { return panels.shownEditor(); };

    panels.onOptionsConfirmed = [this] (OptionsComponent& options) { takeOptions (options); };
    panels.onOptionsCancelled = [this]
    {
        // A language tried in the panel has rebuilt the shared catalogue: take it back.
        tagCatalogue.rebuild (settings.Language != 0);
    };
    panels.onEditorLeft = [this] { refreshPool(); };
    panels.onClosed = [this] { grabFocusSoon(); };
    panels.onScreenCovered = [this] (bool covered) { setScreenAccessible (! covered); };

    loadSettings();
    const auto lastItem = settings.LastItem;
    refreshPool();
    showAdvice (lastItem, false);
    // The restored advice was shown without a draw; it must not come again in this cycle.
    shuffleBag.startCycleAfter (setLibrary.getPoolSize(), currentIndex);

    setSize (500, 350);
    // Ignored until the window is on screen; globalFocusChanged finishes the job.
    grabKeyboardFocus();
    juce::Desktop::getInstance().addFocusChangeListener (this);

    setTimerPeriod (settings.Timer);
}

MainComponent::~MainComponent()
{
    juce::Desktop::getInstance().removeFocusChangeListener (this);
    commandManager.setFirstCommandTarget (nullptr);
    // The close button has written them while it could still tell of a failure (isReadyToQuit);
    // a logout has not. Nothing can be shown here; a failed write keeps the old file.
    saveSettings();

    stopTimer (fadeTimer);
    stopTimer (automaticAdviceTimer);
    // The children are members: none may be left pointing at a parent being torn down.
    removeAllChildren();

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

    // The keys go to the panel shown (the editor's shortcuts, the options' fields), else to the screen.
    if (auto* panel = panels.shownPanel())
        panel->grabKeyboardFocus();
    else
        grabKeyboardFocus();
}

bool MainComponent::isReadyToQuit()
{
    if (panels.isEditorShown() && ! panels.editor().canClose())
        return false;

    // Written while the window can still say it failed: the user may make room and try again.
    // The destructor writes the same values once more.
    if (saveSettings() || std::exchange (quitAgreed, false))
        return true;

    onQuitProblem (choose ("Réglages non enregistrés", "Settings not saved"),
                   settingsNotWrittenMessage() + "\n\n"
                       + choose ("Quitter quand même ? Les réglages de cette séance seront perdus.",
                                 "Quit anyway? The settings of this session will be lost."),
                   [safeThis = juce::Component::SafePointer<MainComponent> (this)] (bool quitAnyway)
                   {
                       if (safeThis == nullptr || ! quitAnyway)
                           return;

                       safeThis->quitAgreed = true;
                       // Through the window's own close, which asks again and now hears yes.
                       if (auto* window = dynamic_cast<juce::DocumentWindow*> (safeThis->getTopLevelComponent()))
                           juce::MessageManager::callAsync ([safeWindow = juce::Component::SafePointer<juce::DocumentWindow> (window)]
                           {
                               if (safeWindow != nullptr)
                                   safeWindow->closeButtonPressed();
                           });
                   });
    return false;
}

void MainComponent::prepareForSessionEnd()
{
    if (panels.isEditorShown())
        panels.editor().keepRecoveryCopy();
}

//==============================================================================
void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
    g.setColour (fade.getColour());
    g.drawRoundedRectangle (80.0f, 50.0f, (float) getWidth() - 160.0f, (float) getHeight() - 160.0f, 50.0f, 16.0f);
}

void MainComponent::resized()
{
    const auto w = getWidth();
    const auto h = getHeight();

    setNameLabel.setBounds (100, 70, w - 200, 24);
    adviceLabel.setBounds (100, 95, w - 200, 96);
    authorLabel.setBounds (110, h - 150, w - 220, 24);
    menuButton.setBounds (20, h - 55, 42, 52);
    favoriteButton.setBounds (w - 107, h - 55, 42, 52);
    newAdviceButton.setBounds (w - 55, h - 55, 42, 52);
    panels.setBounds (getLocalBounds());
}

bool MainComponent::keyPressed (const juce::KeyPress& key)
{
    return commandManager.getKeyMappings()->keyPressed (key, this);
}

bool MainComponent::keyPressed (const juce::KeyPress& key, juce::Component* originatingComponent)
{
    // A button reached by Tab takes Space and Return for itself.
    if ((key == juce::KeyPress::spaceKey || key == juce::KeyPress::returnKey)
        && originatingComponent != nullptr && originatingComponent != &adviceLabel
        && originatingComponent->hasKeyboardFocus (false))
        return false;

    return keyPressed (key);
}

bool MainComponent::keyStateChanged (bool isKeyDown)
{
    return commandManager.getKeyMappings()->keyStateChanged (isKeyDown, this);
}

bool MainComponent::keyStateChanged (bool isKeyDown, juce::Component*)
{
    return keyStateChanged (isKeyDown);
}

void MainComponent::mouseDown (const juce::MouseEvent&)
{
    // A click on the screen takes the focus back from a button, as a click on the advice does.
    if (! isAnyPanelShown() && adviceLabel.isShowing())
        adviceLabel.grabKeyboardFocus();
}

void MainComponent::buttonClicked (juce::Button* button)
{
    if (button == &newAdviceButton)
        showAdvice (-1, true);
    else if (button == &menuButton)
        commands.showMenu (menuButton.hasKeyboardFocus (false) ? &menuButton : nullptr); // by the button from the keyboard
    else if (button == &favoriteButton)
        toggleFavourite();
}

void MainComponent::actionListenerCallback (const juce::String& message)
{
    panels.handleMessage (message);
}

void MainComponent::timerCallback (int timerID)
{
    if (timerID == fadeTimer)
    {
        if (! fade.tick())
            stopTimer (fadeTimer);

        setButtonsColour (fade.getColour());
        repaint();
    }
    else if (timerID == automaticAdviceTimer)
    {
        if (! isAnyPanelShown())
            showAdvice (-1, true);

        setTimerPeriod (settings.Timer);
    }
}

//==============================================================================
void MainComponent::takeOptions (OptionsComponent& options)
{
    settings.Language = options.getLanguage();
    settings.LanguageSet = options.getLanguageSet();
    settings.Sets = options.getSelectedSetFile();
    settings.Tags = options.getTagFilter();
    settings.LookForFavorites = options.isFavoritesOnly();

    if (! saveSettings())
        onProblem (choose ("Réglages non enregistrés", "Settings not saved"), settingsNotWrittenMessage());

    updateAccessibleNames();
    refreshPool();
}

void MainComponent::copyAdviceToClipboard() const
{
    juce::SystemClipboard::copyTextToClipboard (adviceLabel.getText());
}

void MainComponent::setTimerPeriod (int seconds)
{
    settings.Timer = seconds;

    // A hand-edited period too long for the timer is held at about 24 days.
    if (seconds > 0)
        startTimer (automaticAdviceTimer, juce::jmin (seconds, std::numeric_limits<int>::max() / 1000) * 1000);
    else
        stopTimer (automaticAdviceTimer);
}

juce::String MainComponent::getHelpAddress() const
{
    return helpPages.getAddress (settings.Language);
}

juce::String MainComponent::getMoreSetsAddress() const
{
    return helpPages.getAddress (settings.Language, HelpPages::setsSection);
}

juce::String MainComponent::choose (const char* french, const char* english) const
{
    return juce::String (juce::CharPointer_UTF8 (settings.Language == 0 ? french : english));
}

//==============================================================================
void MainComponent::refreshPool()
{
    setLibrary.reload();
    setLibrary.buildPool (settings.LanguageSet, settings.Sets, settings.Tags, settings.LookForFavorites ? 1 : 0);
    showAdvice (-1, false);
}

void MainComponent::showAdvice (int index, bool withFade)
{
    const auto n = setLibrary.getPoolSize();

    if (n > 0 && index == -1)
        currentIndex = shuffleBag.next (n);
    else if (index >= 0 && index < n)
        currentIndex = index;
    else
        currentIndex = 0;

    const auto setName = setLibrary.getPoolSetName (currentIndex);
    setNameLabel.setText (setName, juce::dontSendNotification);

    const auto text = setLibrary.getPoolText (currentIndex);

    if (text.isEmpty())
    {
        adviceLabel.setText (choose ("Aucun conseil n'a été trouvé. Vous devriez modifier le filtrage des tags (options) et vérifier que les sets sont dans le dossier data.",
                                     "No advice has been found. You should change the tag filtering (options), or verify that your advice sets are in the data folder."),
                             juce::dontSendNotification);
        favoriteButton.setVisible (false);
    }
    else
    {
        adviceLabel.setText (text, juce::dontSendNotification);
        favoriteButton.setVisible (! settings.LookForFavorites);
        // A set without a name still brings its advice: the star follows every advice shown.
        favoriteButton.setOnState (setLibrary.isPoolFavourite (currentIndex) ? 1 : 0);
    }

    authorLabel.setText (setName.isEmpty() ? juce::String() : setLibrary.getPoolAuthor (currentIndex),
                         juce::dontSendNotification);

    // Told only once the window is up: at the start the screen reader reads the focused advice.
    if (isShowing())
    {
        if (auto* handler = adviceLabel.getAccessibilityHandler())
            handler->notifyAccessibilityEvent (juce::AccessibilityEvent::valueChanged);

        onAnnounce (adviceLabel.getText());
    }

    const auto colour = setLibrary.getPoolColour (currentIndex);

    if (! withFade)
    {
        stopTimer (fadeTimer);
        fade.jumpTo (colour);
        setButtonsColour (colour);
    }
    else if (fade.startTowards (colour))
    {
        startTimer (fadeTimer, ColourFade::tickMilliseconds);
    }

    grabKeyboardFocus();
    repaint();
}

void MainComponent::toggleFavourite()
{
    const auto newState = favoriteButton.getOnState() != 1 ? 1 : 0;
    favoriteButton.setOnState (newState);

    if (setLibrary.setPoolFavourite (currentIndex, newState == 1))
    {
        onAnnounce (newState == 1 ? choose ("Ajouté aux favoris", "Marked as a favourite")
                                  : choose ("Retiré des favoris", "No longer a favourite"));
    }
    else
    {
        // Show what the set file really holds, and say why the mark did not stick.
        favoriteButton.setOnState (setLibrary.isPoolFavourite (currentIndex) ? 1 : 0);
        onProblem (choose ("Favori non enregistré", "Favourite not saved"),
                   choose ("Le fichier du set n'a pas pu être écrit, ou ne contient plus ce conseil : ",
                           "The set file could not be written, or no longer holds this advice: ")
                       + setLibrary.getPoolSetName (currentIndex));
    }
}

void MainComponent::setButtonsColour (juce::Colour colour)
{
    for (auto* button : { &newAdviceButton, &menuButton, &favoriteButton })
    {
        button->setButtonColour (colour);
        button->repaint();
    }
}

//==============================================================================
void MainComponent::loadSettings()
{
    settings.load();
    tagCatalogue.rebuild (settings.Language != 0);
    updateAccessibleNames();
}

//==============================================================================
std::unique_ptr<juce::AccessibilityHandler> MainComponent::createAccessibilityHandler()
{
    // The screen itself says nothing: its texts and buttons speak for it.
    return createIgnoredAccessibilityHandler (*this);
}

void MainComponent::updateAccessibleNames()
{
    // The labels' titles are their texts; these say what each text is.
    setNameLabel.setDescription (choose ("Set de conseils", "Advice set"));
    adviceLabel.setDescription (choose ("Conseil", "Advice"));
    authorLabel.setDescription (choose ("Auteur", "Author"));

    const auto keyHelp = [this] (const char* french, const char* english, juce::CommandID command)
    {
        const auto key = commands.keyText (command);
        return choose (french, english) + (key.isEmpty() ? juce::String() : " (" + key + ")");
    };

    menuButton.setTitle (choose ("Menu", "Menu"));
    menuButton.setHelpText (keyHelp ("Options, minuterie, édition des sets, aide", "Options, timer, set editor, help", MainCommands::openMenu));
    favoriteButton.setTitle (choose ("Favori", "Favourite"));
    favoriteButton.setHelpText (keyHelp ("Marque le conseil comme favori", "Marks the advice as a favourite", MainCommands::favourite));
    newAdviceButton.setTitle (choose ("Nouveau conseil", "New advice"));
    newAdviceButton.setHelpText (keyHelp ("Tire un autre conseil", "Draws another advice", MainCommands::newAdvice));
}

juce::Array<juce::Component*> MainComponent::screenControls()
{
    return { &setNameLabel, &adviceLabel, &authorLabel, &menuButton, &favoriteButton, &newAdviceButton };
}

void MainComponent::setScreenAccessible (bool accessible)
{
    for (auto* control : screenControls())
        control->setAccessible (accessible);
}

bool MainComponent::saveSettings()
{
    settings.LastItem = currentIndex;
    return settings.save();
}

juce::String MainComponent::settingsNotWrittenMessage() const
{
    return choose ("Le fichier des réglages n'a pas pu être écrit : ", "The settings file could not be written: ")
         + getSettingsFile().getFullPathName();
}
