#include "EditionView.h"

#include "SpecialColourSelector.h"
#include "SpecialTagManager.h"
#include "advice/AdviceSet.h"
#include "look/PanelFocus.h"
#include "widgets/SpecialButton.h"
#include "widgets/SpecialLabel.h"
#include "widgets/SpecialWheel.h"

#include <algorithm>

namespace
{
const juce::Colour fileButtonColour { 0xFF483D8B };
const juce::Colour itemButtonColour { 0xFF228B22 };
const juce::Colour backButtonColour { 0xFFFFA500 };

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
EditionView::EditionView (TagCatalogue* catalogue, SetLibrary* library)
    : editedSet (catalogue, library)
{
    const auto setColour = juce::Colours::firebrick.brighter (0.15f).withHue (0.1f);

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
        // A click leaves the focus with the panel (SpecialButton takes it only by Tab): a button
        // holding it would take a later Return for a press.
        addAndMakeVisible (button);
    }

    nameLabel = new SpecialLabel();
    setUpLabel (*nameLabel, "nameLabel", { juce::Colours::yellow, juce::Justification::centredTop, verdana (16.0f, juce::Font::bold) });
    adviceLabel = new SpecialLabel();
    setUpLabel (*adviceLabel, "adviceLabel", { juce::Colours::white, juce::Justification::centred, verdana (16.0f) });
    adviceLabel->setMinimumHorizontalScale (1.0f);
    authorLabel = new SpecialLabel();
    setUpLabel (*authorLabel, "authorLabel", { juce::Colours::lightgrey, juce::Justification::centredRight, verdana (13.0f, juce::Font::italic) });

    for (auto* label : { nameLabel, adviceLabel, authorLabel })
        addAndMakeVisible (label);

    wheel = new SpecialWheel();
    wheel->setComponentID ("wheel");
    addAndMakeVisible (wheel);

    descriptionHeading = new juce::Label (juce::String(), "Description");
    setUpLabel (*descriptionHeading, "descriptionHeading", { juce::Colours::lightgrey, juce::Justification::centredTop, verdana (16.0f) });
    addAndMakeVisible (descriptionHeading);

    setDescriptionLabel = new SpecialLabel();
    setUpLabel (*setDescriptionLabel, "setDescriptionLabel", { juce::Colours::white, juce::Justification::topLeft, verdana (14.0f) });
    setDescriptionLabel->setFramed();
    addAndMakeVisible (setDescriptionLabel);

    for (auto* label : { nameLabel, adviceLabel, authorLabel, setDescriptionLabel })
        label->setEditable (true, false);

    colourHeading = new juce::Label();
    setUpLabel (*colourHeading, "colourHeading", { juce::Colours::lightgrey, juce::Justification::centredTop, verdana (16.0f) });
    addAndMakeVisible (colourHeading);

    colourSelector = new SpecialColourSelector();
    colourSelector->setComponentID ("colourSelector");
    addAndMakeVisible (colourSelector);

    tagManager = new SpecialTagManager (catalogue);
    tagManager->setComponentID ("tagManager");
    addAndMakeVisible (tagManager);

    tagsAdviceLabel = new juce::Label();
    setUpLabel (*tagsAdviceLabel, "tagsAdviceLabel", { juce::Colours::white, juce::Justification::centred, verdana (12.0f) });
    addAndMakeVisible (tagsAdviceLabel);

    // Tab goes round the panel's controls, never to the screen beneath, and it and a screen
    // reader follow the panel from the file commands at the top down to the way out.
    setFocusContainerType (FocusContainerType::keyboardFocusContainer);
    PanelFocus::setReadingOrder ({ newSetButton, openSetButton, saveButton, saveAsButton, closeSetButton, languageButton,
                                   nameLabel, adviceLabel, authorLabel, wheel, descriptionButton, descriptionHeading,
                                   setDescriptionLabel, colourButton, colourHeading, colourSelector, tagsButton, tagManager,
                                   tagsAdviceLabel, addAdviceButton, duplicateAdviceButton, deleteAdviceButton, backButton });

    setLanguage (english);
    updateWindowTitle();
    showPage (0);
    updateButtonStates();
}

std::unique_ptr<juce::AccessibilityHandler> EditionView::createAccessibilityHandler()
{
    return std::make_unique<juce::AccessibilityHandler> (*this, juce::AccessibilityRole::group);
}

EditionView::~EditionView()
{
    deleteAllChildren();
}

juce::String EditionView::choose (const char* french, const char* englishText) const
{
    return juce::String (juce::CharPointer_UTF8 (english == 0 ? french : englishText));
}

//==============================================================================
void EditionView::setLanguage (int newLanguage)
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

    // What a screen reader calls the controls whose captions do not say it.
    setTitle (choose ("Édition des sets", "Set editor"));
    backButton->setTitle (choose ("Quitter l'édition des sets", "Leave the set editor"));
    languageButton->setHelpText (choose ("Langue du set : appuyez pour la changer", "Language of the set: press to switch it"));
    nameLabel->setTitle (choose ("Nom du set", "Set name"));
    adviceLabel->setTitle (choose ("Conseil", "Advice"));
    authorLabel->setTitle (choose ("Auteur", "Author"));
    setDescriptionLabel->setTitle (choose ("Description du set", "Set description"));
    wheel->setTitle (choose ("Conseil du set", "Advice of the set"));
    wheel->setLanguage (english);
    colourSelector->setLanguage (english);

    for (auto* child : getChildren())
        child->repaint();
}

//==============================================================================
void EditionView::showPage (int page)
{
    for (auto* child : { (juce::Component*) backButton, (juce::Component*) newSetButton, (juce::Component*) openSetButton })
        child->setVisible (true);

    if (! editedSet.isOpen())
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
    const auto n = getCurrentSet()->getNumItems();
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

int EditionView::getValidPosition() const
{
    const auto p = wheel->getPosition();
    return editedSet.isOpen() && juce::isPositiveAndBelow (p, getCurrentSet()->getNumItems()) ? p : -1;
}

void EditionView::refreshDisplay()
{
    auto* set = getCurrentSet();

    if (set == nullptr)
        return;

    nameLabel->setText (set->getName(), juce::dontSendNotification);

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
        const auto text = set->getItemText (p);
        adviceLabel->setText (text, juce::dontSendNotification);
        adviceLabel->setEnabled (true);
        adviceLabel->setEditable (true, false);
        tagsAdviceLabel->setText (text, juce::dontSendNotification);

        if (tagManager->isVisible())
            tagManager->setSelectedTags (set->getItemTagsString (p));
    }

    authorLabel->setText (set->getAuthor(), juce::dontSendNotification);
    backButton->setButtonColour (backButtonColour);
    languageButton->setOnState (set->getLanguage() == 0 ? 0 : 1);
    repaint();
}

void EditionView::updateButtonStates()
{
    if (auto* set = getCurrentSet())
    {
        addAdviceButton->setHighlightMode (set->getNumItems() == 0 ? 1 : 0);

        if (currentPage != 1)
            descriptionButton->setHighlightMode (set->getDescription().isEmpty() ? 1 : 0);

        if (currentPage != 3)
        {
            const auto p = getValidPosition();
            tagsButton->setHighlightMode (p > -1 && set->getItemNumTags (p) <= 1 ? 1 : 0);
        }
    }

    saveButton->setHighlightMode (editedSet.isUpToDate() ? 0 : 1);
}

void EditionView::updateWindowTitle()
{
    windowTitle = editedSet.getTitle();
    // A screen reader tells which set the editor holds, as the title bar shows it.
    setDescription (windowTitle);

    // Through the window itself where there is one, so that it keeps the title as its name.
    if (auto* window = dynamic_cast<juce::TopLevelWindow*> (getTopLevelComponent()))
        window->setName (windowTitle);
    else if (auto* peer = getPeer())
        peer->setTitle (windowTitle);
}

//==============================================================================
void EditionView::resized()
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

void EditionView::paint (juce::Graphics& g)
{
    if (backgroundImage != nullptr)
        g.drawImageAt (*backgroundImage, 0, 0);

    if (auto* set = getCurrentSet())
    {
        g.setColour (set->getColour());
        g.drawRoundedRectangle (80.0f, 75.0f, (float) getWidth() - 160.0f, (float) getHeight() - 160.0f, 50.0f, 16.0f);
    }
}

void EditionView::showWholeSet()
{
    auto* set = getCurrentSet();
    const auto n = set->getNumItems();
    wheel->setCount (n);
    wheel->setPosition (n > 0 ? 0 : -1);
    setDescriptionLabel->setText (set->getDescription(), juce::dontSendNotification);
    colourSelector->setSelectedColour (set->getColour());
    showPage (0);
    refreshDisplay();
    updateButtonStates();
    updateWindowTitle();
}

void EditionView::showAdviceAt (int position)
{
    if (! editedSet.isOpen())
        return;

    wheel->setCount (getCurrentSet()->getNumItems());
    wheel->setPosition (position);
    showPage (0);
    refreshDisplay();
    updateButtonStates();
    updateWindowTitle();
}

void EditionView::closeOpenPages()
{
    for (auto* pageButton : { descriptionButton, colourButton, tagsButton })
        if (pageButton->getHighlightMode() == 2)
            togglePage (pageButton, 0);
}

void EditionView::togglePage (SpecialButton* pageButton, int page)
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

    auto* set = getCurrentSet();

    if (set == nullptr)
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
        tagManager->setSelectedTags (set->getItemTagsString (wheel->getPosition()));
        tagManager->setHighlightColour (set->getColour());
        tagManager->resetCategory();
    }

    showPage (page);
    updateButtonStates();
    pageButton->setCaptionAlwaysShown (true);
    setLanguage (english);
}

