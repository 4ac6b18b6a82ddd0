#include "EditionComponent.h"

#include "JuceEditionDialogs.h"
#include "SpecialColourSelector.h"
#include "SpecialTagManager.h"
#include "advice/AdviceSet.h"
#include "advice/SetFileLock.h"
#include "advice/SetLibrary.h"
#include "widgets/SpecialButton.h"
#include "widgets/SpecialLabel.h"
#include "widgets/SpecialWheel.h"

#include <algorithm>

namespace
{
const juce::Colour fileButtonColour { 0xFF483D8B };
const juce::Colour itemButtonColour { 0xFF228B22 };
const juce::Colour backButtonColour { 0xFFFFA500 };
const juce::Colour newSetColour { 0xFFFFA500 };

juce::Colour getSetButtonColour()
{
    return juce::Colours::firebrick.brighter (0.15f).withHue (0.1f);
}

juce::String fromUtf8 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

struct ButtonSetUp
{
    SpecialButton*& member;
    const char* id;
    const char* type;
    int captionPosition;
    bool small;
    bool captionAlwaysShown;
    juce::Colour colour;
};

struct LabelSetUp
{
    juce::Colour colour;
    juce::Justification justification;
    juce::Font font;
};

void setUpLabel (juce::Label& label, const char* id, const LabelSetUp& setUp)
{
    label.setComponentID (id);
    label.setColour (juce::Label::textColourId, setUp.colour);
    label.setJustificationType (setUp.justification);
    label.setFont (setUp.font);
}

juce::Font verdana (float height, int style = juce::Font::plain)
{
    return juce::Font ("Verdana", height, style);
}
} // namespace

//==============================================================================
EditionComponent::EditionComponent (TagCatalogue* tagCatalogue, SetLibrary* library)
    : catalogue (tagCatalogue),
      setLibrary (library),
      dialogs (std::make_unique<JuceEditionDialogs>())
{
    const auto setColour = getSetButtonColour();

    const ButtonSetUp buttons[] = {
        { newSetButton, "newSetButton", nullptr, 2, true, false, fileButtonColour },
        { openSetButton, "openSetButton", nullptr, 2, true, false, fileButtonColour },
        { saveButton, "saveButton", nullptr, 2, true, false, fileButtonColour },
        { saveAsButton, "saveAsButton", nullptr, 2, true, false, fileButtonColour },
        { closeSetButton, "closeSetButton", nullptr, 2, true, false, fileButtonColour },
        { languageButton, "languageButton", nullptr, 1, true, true, setColour },
        { colourButton, "colourButton", nullptr, 4, true, false, setColour },
        { descriptionButton, "descriptionButton", nullptr, 3, true, false, setColour },
        { tagsButton, "tagsButton", nullptr, 2, true, false, setColour },
        { addAdviceButton, "addAdviceButton", "New", 1, false, false, itemButtonColour },
        { duplicateAdviceButton, "duplicateAdviceButton", "Duplicate", 1, false, false, itemButtonColour },
        { deleteAdviceButton, "deleteAdviceButton", "Delete", 1, false, false, itemButtonColour },
        { backButton, "backButton", "Back", 0, false, false, backButtonColour },
    };

    for (auto& setUp : buttons)
    {
        auto* button = new SpecialButton();
        setUp.member = button;
        button->setComponentID (setUp.id);

        if (setUp.type != nullptr)
            button->setType (setUp.type);

        button->setCaptionPosition (setUp.captionPosition);

        if (setUp.small)
            button->setSmall();

        // Every button is a disc but the way back, which is a ring like the main screen's.
        if (button != backButton)
            button->setFilled();

        if (setUp.captionAlwaysShown)
            button->setCaptionAlwaysShown (true);

        button->setButtonColour (setUp.colour);
        addAndMakeVisible (button);
        button->addListener (this);
        button->addKeyListener (this);
    }

    nameLabel = new SpecialLabel();
    setUpLabel (*nameLabel, "nameLabel", { juce::Colours::yellow, juce::Justification::centredTop, verdana (16.0f, juce::Font::bold) });
    adviceLabel = new SpecialLabel();
    setUpLabel (*adviceLabel, "adviceLabel", { juce::Colours::white, juce::Justification::centred, verdana (16.0f) });
    adviceLabel->setMinimumHorizontalScale (1.0f);
    authorLabel = new SpecialLabel();
    setUpLabel (*authorLabel, "authorLabel", { juce::Colours::lightgrey, juce::Justification::centredRight, verdana (13.0f, juce::Font::italic) });

    for (auto* label : { nameLabel, adviceLabel, authorLabel })
    {
        label->setEditable (true, false);
        addAndMakeVisible (label);
        label->addChangeListener (this);
        label->addListener (&focusKeeper);
    }

    adviceLabel->addActionListener (this);

    wheel = new SpecialWheel();
    wheel->setComponentID ("wheel");
    addAndMakeVisible (wheel);
    wheel->addChangeListener (this);
    wheel->addKeyListener (this);

    descriptionHeading = new juce::Label (juce::String(), "Description");
    setUpLabel (*descriptionHeading, "descriptionHeading", { juce::Colours::lightgrey, juce::Justification::centredTop, verdana (16.0f) });
    addAndMakeVisible (descriptionHeading);

    setDescriptionLabel = new SpecialLabel();
    setUpLabel (*setDescriptionLabel, "setDescriptionLabel", { juce::Colours::white, juce::Justification::topLeft, verdana (14.0f) });
    setDescriptionLabel->setFramed();
    setDescriptionLabel->setEditable (true, false);
    addAndMakeVisible (setDescriptionLabel);
    setDescriptionLabel->addChangeListener (this);
    setDescriptionLabel->addKeyListener (this);
    setDescriptionLabel->addListener (&focusKeeper);

    colourHeading = new juce::Label();
    setUpLabel (*colourHeading, "colourHeading", { juce::Colours::lightgrey, juce::Justification::centredTop, verdana (16.0f) });
    addAndMakeVisible (colourHeading);

    colourSelector = new SpecialColourSelector();
    colourSelector->setComponentID ("colourSelector");
    addAndMakeVisible (colourSelector);
    colourSelector->addChangeListener (this);

    tagManager = new SpecialTagManager (catalogue);
    tagManager->setComponentID ("tagManager");
    addAndMakeVisible (tagManager);
    tagManager->addChangeListener (this);
    tagManager->addActionListener (this);
    tagManager->addKeyListener (this);

    tagsAdviceLabel = new juce::Label();
    setUpLabel (*tagsAdviceLabel, "tagsAdviceLabel", { juce::Colours::white, juce::Justification::centred, verdana (12.0f) });
    addAndMakeVisible (tagsAdviceLabel);

    addKeyListener (this);
    setWantsKeyboardFocus (true);

    setLanguage (english);
    updateWindowTitle();
    showPage (0);
    updateButtonStates();
}

EditionComponent::~EditionComponent()
{
    removeKeyListener (this);
    currentSet.reset();
    backgroundImage.reset();
    deleteAllChildren();
}

void EditionComponent::setDialogs (std::unique_ptr<EditionDialogs> newDialogs)
{
    if (newDialogs != nullptr)
        dialogs = std::move (newDialogs);
}

juce::String EditionComponent::choose (const char* french, const char* englishText) const
{
    return fromUtf8 (english == 0 ? french : englishText);
}

void EditionComponent::FocusKeeper::editorHidden (juce::Label*, juce::TextEditor&)
{
    if (panel.isShowing())
        panel.grabKeyboardFocus();
}

//==============================================================================
void EditionComponent::setLanguage (int newLanguage)
{
    english = newLanguage;
    tagManager->setLanguage (english);

    newSetButton->setCaption (choose ("Nouveau set", "New set"));
    openSetButton->setCaption (choose ("Ouvrir un set...", "Open a set..."));
    saveButton->setCaption (choose ("Enregistrer", "Save"));
    saveAsButton->setCaption (choose ("Enregistrer sous...", "Save as..."));
    closeSetButton->setCaption (choose ("Fermer", "Close"));
    addAdviceButton->setCaption (choose ("Ajouter un conseil", "Add a new advice"));
    duplicateAdviceButton->setCaption (choose ("Dupliquer le conseil en cours", "Duplicate the current advice"));
    deleteAdviceButton->setCaption (choose ("Supprimer le conseil en cours", "Delete the current advice"));
    languageButton->setCaptions (choose ("Français", "French"), choose ("Anglais", "English"));

    const auto back = choose ("Retour...", "Back...");
    descriptionButton->setCaption (descriptionButton->getHighlightMode() == 2 ? back : choose ("Description", "Description"));
    tagsButton->setCaption (tagsButton->getHighlightMode() == 2 ? back : choose ("Tags", "Tags"));
    colourButton->setCaption (colourButton->getHighlightMode() == 2 ? back : choose ("Couleur", "Colour"));

    colourHeading->setText (choose ("Choisissez la couleur du set :", "Choose the set colour :"), juce::dontSendNotification);

    for (auto* child : getChildren())
        child->repaint();
}

void EditionComponent::closeSet()
{
    // Every caller has already let go of the set; this only makes sure none is kept.
    currentSet.reset();
    setOpen = false;
    upToDate = false;
    updateWindowTitle();

    closeOpenPages();

    wheel->setPosition (-1);
    showPage (0);
    updateButtonStates();
}

bool EditionComponent::canClose()
{
    // Text still being typed counts as a change the user means to keep.
    commitOpenEdit();
    return passSaveGuard();
}

juce::File EditionComponent::keepRecoveryCopy()
{
    commitOpenEdit();

    if (! setOpen || upToDate || currentSet == nullptr)
        return {};

    const auto file = currentSet->getFile();
    juce::File copy;

    if (file.getFullPathName().isEmpty())
    {
        const auto folder = getDataFolder();
        folder.createDirectory();
        copy = folder.getNonexistentChildFile (choose ("Set non enregistré", "Unsaved set"), ".kbs", false);
    }
    else
    {
        copy = file.getSiblingFile (file.getFileNameWithoutExtension() + choose (" (non enregistré)", " (unsaved)") + ".kbs")
                   .getNonexistentSibling (false);
    }

    currentSet->setFile (copy);
    const auto written = currentSet->writeToFile();
    currentSet->setFile (file);
    return written ? copy : juce::File();
}

void EditionComponent::commitOpenEdit()
{
    for (auto* label : { nameLabel, adviceLabel, authorLabel, setDescriptionLabel })
        label->commitEdit();
}

//==============================================================================
void EditionComponent::showPage (int page)
{
    for (auto* child : { (juce::Component*) backButton, (juce::Component*) newSetButton, (juce::Component*) openSetButton })
        child->setVisible (true);

    if (! setOpen || currentSet == nullptr)
    {
        currentPage = 0;

        for (auto* child : getChildren())
            if (child != backButton && child != newSetButton && child != openSetButton)
                child->setVisible (false);

        repaint();
        return;
    }

    for (auto* child : { saveButton, saveAsButton, closeSetButton })
        child->setVisible (true);

    if (page < 0 || page > 3)
    {
        repaint();
        return;
    }

    currentPage = page;
    const auto n = currentSet->getNumItems();
    const auto onPage = [page] (std::initializer_list<int> pages) { return std::find (pages.begin(), pages.end(), page) != pages.end(); };

    addAdviceButton->setVisible (page == 0);
    duplicateAdviceButton->setVisible (page == 0 && n >= 1);
    deleteAdviceButton->setVisible (page == 0 && n >= 2);
    wheel->setVisible (onPage ({ 0, 3 }));

    for (auto* label : { nameLabel, adviceLabel, authorLabel })
        label->setVisible (page == 0);

    descriptionHeading->setVisible (page == 1);
    setDescriptionLabel->setVisible (page == 1);
    colourHeading->setVisible (page == 2);
    colourSelector->setVisible (page == 2);
    tagManager->setVisible (page == 3);
    tagsAdviceLabel->setVisible (page == 3);
    languageButton->setVisible (page == 0);
    descriptionButton->setVisible (onPage ({ 0, 1 }));
    colourButton->setVisible (onPage ({ 0, 2 }));
    tagsButton->setVisible ((page == 0 && n >= 1) || page == 3);

    repaint();
}

int EditionComponent::getValidPosition() const
{
    const auto p = wheel->getPosition();
    return currentSet != nullptr && juce::isPositiveAndBelow (p, currentSet->getNumItems()) ? p : -1;
}

void EditionComponent::refreshDisplay()
{
    if (currentSet == nullptr)
        return;

    nameLabel->setText (currentSet->getName(), juce::dontSendNotification);

    // A position that names no item shows the no-advice message, locked, so that nothing
    // typed there can be meant for an item that does not exist.
    const auto p = getValidPosition();

    if (p == -1)
    {
        adviceLabel->hideEditor (true);
        adviceLabel->setText (choose ("Aucun conseil n'a été trouvé.", "No advice has been found"), juce::dontSendNotification);
        adviceLabel->setEnabled (false);
        adviceLabel->setEditable (false, false);
        tagsAdviceLabel->setText ({}, juce::dontSendNotification);
    }
    else
    {
        const auto text = currentSet->getItemText (p);
        adviceLabel->setText (text, juce::dontSendNotification);
        adviceLabel->setEnabled (true);
        adviceLabel->setEditable (true, false);
        tagsAdviceLabel->setText (text, juce::dontSendNotification);

        if (tagManager->isVisible())
            tagManager->setSelectedTags (currentSet->getItemTagsString (p));
    }

    authorLabel->setText (currentSet->getAuthor(), juce::dontSendNotification);
    backButton->setButtonColour (backButtonColour);
    languageButton->setOnState (currentSet->getLanguage() == 0 ? 0 : 1);
    repaint();
}

void EditionComponent::updateButtonStates()
{
    if (currentSet != nullptr)
    {
        addAdviceButton->setHighlightMode (currentSet->getNumItems() == 0 ? 1 : 0);

        if (currentPage != 1)
            descriptionButton->setHighlightMode (currentSet->getDescription().isEmpty() ? 1 : 0);

        if (currentPage != 3)
        {
            const auto p = getValidPosition();
            tagsButton->setHighlightMode (p > -1 && currentSet->getItemNumTags (p) <= 1 ? 1 : 0);
        }
    }

    saveButton->setHighlightMode (upToDate ? 0 : 1);
}

void EditionComponent::updateWindowTitle()
{
    juce::String title ("Kindlebrook");

    if (setOpen && currentSet != nullptr)
    {
        const auto& file = currentSet->getFile();

        if (file.getFullPathName().isEmpty())
            title << "*";
        else
            title << " - " << file.getFileName() << (upToDate ? "" : "*");
    }

    windowTitle = title;

    // Through the window itself where there is one, so that it keeps the title as its name.
    if (auto* window = dynamic_cast<juce::TopLevelWindow*> (getTopLevelComponent()))
        window->setName (title);
    else if (auto* peer = getPeer())
        peer->setTitle (title);
}

//==============================================================================
void EditionComponent::resized()
{
    const auto w = getWidth();
    const auto h = getHeight();

    backButton->setBounds (w - 55, h - 55, 42, 52);
    newSetButton->setBounds (w / 2 - 95, 10, 212, 50);
    openSetButton->setBounds (w / 2 - 55, 10, 212, 50);
    saveButton->setBounds (w / 2 - 15, 10, 212, 50);
    saveAsButton->setBounds (w / 2 + 25, 10, 212, 50);
    closeSetButton->setBounds (w / 2 + 65, 10, 212, 50);
    tagsButton->setBounds (45, 269, 112, 47);
    descriptionButton->setBounds (5, 125, 60, 47);
    colourButton->setBounds (5, 173, 60, 47);
    languageButton->setBounds (45, 37, 112, 47);
    addAdviceButton->setBounds (w / 2 - 75, h - 65, 212, 57);
    duplicateAdviceButton->setBounds (w / 2 - 25, h - 65, 212, 57);
    deleteAdviceButton->setBounds (w / 2 + 25, h - 65, 212, 57);
    wheel->setBounds (w - 70, 145, 70, 70);
    nameLabel->setBounds (110, 95, w - 220, 24);
    adviceLabel->setBounds (100, 120, w - 200, 96);
    authorLabel->setBounds (110, h - 125, w - 220, 24);
    descriptionHeading->setBounds (110, 90, w - 220, 24);
    setDescriptionLabel->setBounds (100, 120, w - 200, 96);
    colourHeading->setBounds (110, 90, w - 220, 24);
    colourSelector->setBounds (100, 130, w - 200, 90);
    tagManager->setBounds (80, 80, w - 160, h - 170);
    tagsAdviceLabel->setBounds (120, h - 70, w - 240, 60);

    if (backgroundImage == nullptr && w > 0 && h > 0)
    {
        // Made once: the panel keeps the size of its first layout.
        backgroundImage = std::make_unique<juce::Image> (juce::Image::RGB, w, h, true);
        juce::Graphics g (*backgroundImage);
        g.fillAll (juce::Colours::black);
        g.setColour (juce::Colours::black.brighter (0.05f));

        for (int i = -h; i < w / 10; ++i)
        {
            g.drawLine ((float) (10 * i), 0.0f, (float) (10 * i + h), (float) h);
            g.drawLine ((float) (10 * i), (float) h, (float) (10 * i + h), 0.0f);
        }
    }
}

void EditionComponent::paint (juce::Graphics& g)
{
    if (backgroundImage != nullptr)
        g.drawImageAt (*backgroundImage, 0, 0);

    if (setOpen && currentSet != nullptr)
    {
        g.setColour (currentSet->getColour());
        g.drawRoundedRectangle (80.0f, 75.0f, (float) getWidth() - 160.0f, (float) getHeight() - 160.0f, 50.0f, 16.0f);
    }
}

//==============================================================================
int EditionComponent::askToSaveChanges()
{
    if (upToDate || ! setOpen)
    {
        saveAnswer = 2;
        return saveAnswer;
    }

    saveAnswer = dialogs->askYesNoCancel ("Kindlebrook",
                                          choose ("Le set a été modifié. Voulez-vous enregistrer vos modifications ?",
                                                  "The set has been modified. Would you like to save it now ?"),
                                          choose ("Oui", "Yes"), choose ("Ignorer", "Ignore"), choose ("Annuler", "Cancel"));

    if (saveAnswer != 1 && saveAnswer != 2)
        saveAnswer = 0;

    return saveAnswer;
}

bool EditionComponent::passSaveGuard()
{
    if (askToSaveChanges() == 0)
        return false;

    if (saveAnswer == 1)
    {
        buttonClicked (saveButton);

        // Cancelled, or the write failed: the set must not be dropped.
        if (saveAnswer == 0)
            return false;
    }

    return true;
}

void EditionComponent::closeOpenPages()
{
    for (auto* pageButton : { descriptionButton, colourButton, tagsButton })
        if (pageButton->getHighlightMode() == 2)
            buttonClicked (pageButton);
}

void EditionComponent::markModified()
{
    upToDate = false;
}

juce::File EditionComponent::getDataFolder() const
{
    return setLibrary != nullptr ? setLibrary->findDataFolder() : SetLibrary::getDataFolder();
}

//==============================================================================
void EditionComponent::buttonClicked (juce::Button* button)
{
    if (button == backButton)                   leave();
    else if (button == languageButton)          switchLanguage();
    else if (button == newSetButton)            newSet();
    else if (button == openSetButton)           openSet();
    else if (button == saveButton)              saveSet();
    else if (button == saveAsButton)            saveSetAs();
    else if (button == closeSetButton)          closeSetCommand();
    else if (button == addAdviceButton)         addAdvice();
    else if (button == duplicateAdviceButton)   duplicateAdvice();
    else if (button == deleteAdviceButton)      deleteAdvice();
    else if (button == descriptionButton)       togglePage (descriptionButton, 1);
    else if (button == colourButton)            togglePage (colourButton, 2);
    else if (button == tagsButton)              togglePage (tagsButton, 3);
}

void EditionComponent::leave()
{
    if (! passSaveGuard())
        return;

    currentSet.reset();
    setOpen = false;
    updateWindowTitle();
    sendActionMessage ("EditionExit");
}

void EditionComponent::switchLanguage()
{
    if (currentSet == nullptr)
        return;

    languageButton->setOnState (languageButton->getOnState() == 0 ? 1 : 0);
    currentSet->setLanguage (languageButton->getOnState());
    markModified();
    updateWindowTitle();
    showPage (0);
    refreshDisplay();
    updateButtonStates();
}

void EditionComponent::newSet()
{
    if (! passSaveGuard())
        return;

    closeOpenPages();
    currentSet = std::make_unique<AdviceSet> (catalogue);
    lastStoredIn = juce::File();
    currentSet->setColour (newSetColour);
    currentSet->setLanguage (english == 0 ? 0 : 1);
    setDescriptionLabel->setText ({}, juce::dontSendNotification);
    colourSelector->setSelectedColour (currentSet->getColour());

    const auto year = juce::String (juce::Time::getCurrentTime().getYear());
    currentSet->setName (choose ("Pas de nom", "No name"));
    currentSet->setAuthor (choose ("Auteur inconnu (", "Unknown author (") + year + ")");

    upToDate = false;
    setOpen = true;
    updateWindowTitle();
    buttonClicked (addAdviceButton);
}

void EditionComponent::openSet()
{
    if (! passSaveGuard())
        return;

    const auto chosen = dialogs->chooseFileToOpen (choose ("Choisissez un set à ouvrir", "Choose the set to open"),
                                                   getDataFolder(), "*.kbs");

    if (chosen != juce::File() && chosen.existsAsFile())
    {
        // Read into a set of its own first, so that a file that is no set leaves the panel as it was.
        auto set = std::make_unique<AdviceSet> (catalogue);
        set->setFile (chosen);
        const auto kind = set->readWhicheverKind();

        // The older format has no header line: a file from which its reader took nothing is
        // not a set, and saving it would write an empty set over it. (Its author always reads
        // as at least " ()", so it tells nothing.)
        const auto isSet = kind == 2
                        || (kind == 1 && (set->getNumItems() > 0 || set->getName().isNotEmpty()
                                          || set->getDescription().isNotEmpty()));

        if (! isSet)
        {
            dialogs->showProblem ("Kindlebrook",
                                  choose ("Ce fichier n'est pas un set Kindlebrook lisible\xc2\xa0:\n", "This file is not a readable Kindlebrook set:\n")
                                      + chosen.getFullPathName());
        }
        else
        {
            closeOpenPages();
            currentSet = std::move (set);
            lastStoredIn = chosen;
            upToDate = true;
            setOpen = true;

            const auto n = currentSet->getNumItems();
            wheel->setPosition (n > 0 ? 0 : -1);
            wheel->setCount (n);
            setDescriptionLabel->setText (currentSet->getDescription(), juce::dontSendNotification);
            colourSelector->setSelectedColour (currentSet->getColour());
            showPage (0);
            refreshDisplay();
            updateButtonStates();
        }
    }

    updateWindowTitle();
}

bool EditionComponent::writeSet()
{
    bool written = false;

    {
        // Other running copies mark favourites in set files while this one edits: the lock keeps
        // their writes and this one apart. The marks are theirs, the rest is this editor's.
        const auto& file = currentSet->getFile();
        SetFileLock lock (file);

        if (lock.isHeld())
        {
            if (file == lastStoredIn && AdviceSet::getSetFileKind (file) == 2)
            {
                AdviceSet onDisk (catalogue);
                onDisk.setFile (file);
                onDisk.readFromFile (2);
                currentSet->takeFavouritesFrom (onDisk);
            }

            written = currentSet->writeToFile();
        }
    }

    if (written)
    {
        lastStoredIn = currentSet->getFile();
        return true;
    }

    dialogs->showProblem ("Kindlebrook",
                          choose ("Le set n'a pas pu être enregistré dans\xc2\xa0:\n", "The set could not be saved to:\n")
                              + currentSet->getFile().getFullPathName() + "\n\n"
                              + choose ("Le fichier sur le disque n'a pas été modifié et vos modifications restent ouvertes dans l'éditeur.",
                                        "The file on disk has not been changed, and your changes are still open in the editor."));
    return false;
}

void EditionComponent::saveSet()
{
    if (currentSet == nullptr)
        return;

    if (currentSet->getFile().getFullPathName().isEmpty())
    {
        buttonClicked (saveAsButton);
        return;
    }

    if (writeSet())
        upToDate = true;
    else
        saveAnswer = 0;

    updateButtonStates();
    updateWindowTitle();
}

void EditionComponent::saveSetAs()
{
    if (currentSet == nullptr)
        return;

    // A set saved where the library looks is found by the main screen: make that folder.
    auto folder = getDataFolder();

    if (! folder.isDirectory())
        folder.createDirectory();

    const auto& current = currentSet->getFile();
    const auto start = current.getFullPathName().isNotEmpty() ? current : folder;
    auto chosen = dialogs->chooseFileToSave (choose ("Choisissez l'emplacement du set à sauvegarder", "Choose the place to save your set"),
                                             start, "*.kbs");

    if (chosen == juce::File())
    {
        saveAnswer = 0;
    }
    else
    {
        const auto target = chosen.withFileExtension ("kbs");

        // The dialog asked about the name as typed; the extension may name another file that exists.
        if (target != chosen && target.exists()
            && ! dialogs->askOkCancel ("Kindlebrook",
                                       choose ("Le fichier \"", "The file \"") + target.getFileName()
                                           + choose ("\" existe déjà. Voulez-vous le remplacer\xc2\xa0?", "\" already exists. Do you want to replace it?"),
                                       choose ("Remplacer", "Replace"), choose ("Annuler", "Cancel")))
        {
            saveAnswer = 0;
        }
        else
        {
            const auto previous = currentSet->getFile();
            currentSet->setFile (target);

            if (writeSet())
            {
                upToDate = true;
            }
            else
            {
                currentSet->setFile (previous);
                saveAnswer = 0;
            }

            updateButtonStates();
        }
    }

    updateWindowTitle();
}

void EditionComponent::closeSetCommand()
{
    if (! passSaveGuard())
        return;

    closeOpenPages();
    currentSet.reset();
    setOpen = false;
    closeSet();
    updateWindowTitle();
}

void EditionComponent::addAdvice()
{
    if (currentSet == nullptr)
        return;

    currentSet->addItem();
    const auto last = currentSet->getNumItems() - 1;
    currentSet->setItemText (last, currentSet->getLanguage() == 0 ? "Conseil vide" : "Empty advice");
    currentSet->addDefaultTag (last);
    afterItemAdded();
}

void EditionComponent::duplicateAdvice()
{
    const auto p = getValidPosition();

    if (p == -1)
        return;

    currentSet->addItem();
    currentSet->copyItem (p, currentSet->getNumItems() - 1);
    afterItemAdded();
}

void EditionComponent::afterItemAdded()
{
    const auto n = currentSet->getNumItems();
    wheel->setCount (n);
    wheel->setPosition (n - 1);
    markModified();
    showPage (0);
    refreshDisplay();
    updateButtonStates();
    updateWindowTitle();
}

void EditionComponent::deleteAdvice()
{
    const auto p = getValidPosition();

    if (p == -1)
        return;

    const auto quoted = "\"" + adviceLabel->getText() + "\" ?";
    const auto message = english == 0 ? fromUtf8 ("Êtes-vous sûrs de vouloir supprimer le conseil  ") + quoted
                                       : "Do you want to delete the advice " + quoted;

    if (! dialogs->askOkCancel ("Kindlebrook", message, choose ("Oui", "Yes"), choose ("Annuler", "Cancel")))
        return;

    currentSet->removeItem (p);
    const auto n = currentSet->getNumItems();
    wheel->setCount (n);
    wheel->setPosition (n == 0 ? -1 : (p > 0 ? p - 1 : 0));
    markModified();
    showPage (0);
    refreshDisplay();
    updateButtonStates();
    updateWindowTitle();
}

void EditionComponent::togglePage (SpecialButton* pageButton, int page)
{
    // Closing a page needs no set: closeSet does it after the set is gone.
    if (pageButton->getHighlightMode() == 2)
    {
        pageButton->setHighlightMode (0);
        showPage (0);
        updateButtonStates();
        pageButton->setCaptionAlwaysShown (false);
        setLanguage (english);
        return;
    }

    if (currentSet == nullptr)
        return;

    pageButton->setHighlightMode (2);

    for (auto* other : { descriptionButton, colourButton, tagsButton })
    {
        if (other != pageButton)
        {
            other->setHighlightMode (0);
            other->setCaptionAlwaysShown (false);
        }
    }

    if (pageButton == tagsButton)
    {
        tagManager->setSelectedTags (currentSet->getItemTagsString (wheel->getPosition()));
        tagManager->setHighlightColour (currentSet->getColour());
        tagManager->resetCategory();
    }

    showPage (page);
    updateButtonStates();
    pageButton->setCaptionAlwaysShown (true);
    setLanguage (english);
}

//==============================================================================
bool EditionComponent::keyPressed (const juce::KeyPress& key)
{
    const auto ctrl = [&key] (int keyCode) { return key == juce::KeyPress (keyCode, juce::ModifierKeys::ctrlModifier, 0); };
    const auto mods = key.getModifiers();

    // A command typed while a text is being edited acts on the text as typed so far.
    if (mods.isCtrlDown())
        commitOpenEdit();

    if (ctrl ('s') && saveButton->isVisible())
    {
        buttonClicked (saveButton);
        return true;
    }

    if (ctrl ('o'))
    {
        buttonClicked (openSetButton);
        return true;
    }

    if (ctrl ('n'))
    {
        buttonClicked (newSetButton);
        return true;
    }

    if (ctrl ('w') && closeSetButton->isVisible())
    {
        buttonClicked (closeSetButton);
        return true;
    }

    // Ctrl++ as it is typed: "+" takes Shift on most layouts, and the keypad has a plus key of its own.
    const auto isPlus = key.getKeyCode() == '+' || key.getTextCharacter() == '+'
                     || key.getKeyCode() == juce::KeyPress::numberPadAdd
                     || (key.getKeyCode() == '=' && mods.isShiftDown());

    if (isPlus && mods.isCtrlDown() && ! mods.isAltDown() && addAdviceButton->isVisible())
    {
        buttonClicked (addAdviceButton);
        return true;
    }

    const auto noModifier = ! mods.isAnyModifierKeyDown();
    const auto code = key.getKeyCode();

    if (noModifier && (code == juce::KeyPress::pageUpKey || code == juce::KeyPress::upKey))
    {
        if (setOpen && wheel->getPosition() > 0)
        {
            wheel->setPosition (wheel->getPosition() - 1);
            refreshDisplay();
            updateButtonStates();
        }

        return true;
    }

    if (noModifier && (code == juce::KeyPress::pageDownKey || code == juce::KeyPress::downKey))
    {
        // With no set open there is no item to move to.
        if (setOpen && currentSet != nullptr && wheel->getPosition() < currentSet->getNumItems() - 1)
        {
            wheel->setPosition (wheel->getPosition() + 1);
            refreshDisplay();
            updateButtonStates();
        }

        return true;
    }

    return false;
}

bool EditionComponent::keyPressed (const juce::KeyPress& key, juce::Component*)
{
    return keyPressed (key);
}

void EditionComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    // Messages arrive later than they are sent: the set they were meant for may be gone.
    if (currentSet == nullptr || ! setOpen)
        return;

    if (source == wheel)
    {
        refreshDisplay();
        updateButtonStates();
        return;
    }

    const auto p = getValidPosition();

    // No item to write to: show the truth rather than keep a text or tags that would be lost.
    if (p == -1 && (source == adviceLabel || source == tagManager))
    {
        refreshDisplay();
        return;
    }

    if (source == nameLabel)
    {
        currentSet->setName (nameLabel->getText());
    }
    else if (source == adviceLabel)
    {
        currentSet->setItemText (p, adviceLabel->getText());
        tagsAdviceLabel->setText (adviceLabel->getText(), juce::dontSendNotification);
    }
    else if (source == authorLabel)
    {
        currentSet->setAuthor (authorLabel->getText());
    }
    else if (source == setDescriptionLabel)
    {
        currentSet->setDescription (setDescriptionLabel->getText());
    }
    else if (source == colourSelector)
    {
        currentSet->setColour (colourSelector->getSelectedColour());
        tagManager->setHighlightColour (currentSet->getColour());
        refreshDisplay();
    }
    else if (source == tagManager)
    {
        currentSet->setItemTagsFromString (p, tagManager->getSelectedTags());
        refreshDisplay();
    }
    else
    {
        return;
    }

    markModified();
    updateButtonStates();
    repaint();
    updateWindowTitle();
}

void EditionComponent::actionListenerCallback (const juce::String& message)
{
    if (message == "Wheel")
        wheel->stepByWheel (tagManager->getLastWheelDetails());
    else if (message == "LWheel")
        wheel->stepByWheel (adviceLabel->getLastWheel());
}
