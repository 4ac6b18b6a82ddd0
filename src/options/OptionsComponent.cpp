#include "OptionsComponent.h"

#include "NamedComboBox.h"
#include "look/CustomLookAndFeel.h"
#include "look/PanelFocus.h"

namespace
{
juce::Label* makeLabel (const juce::String& id)
{
    auto* label = new juce::Label();
    label->setComponentID (id);
    return label;
}

juce::ComboBox* makeBox (const juce::String& id)
{
    auto* box = new NamedComboBox();
    box->setComponentID (id);
    return box;
}

} // namespace

OptionsComponent::OptionsComponent (TagCatalogue* tagCatalogue, SetLibrary* library)
    : catalogue (tagCatalogue),
      setLibrary (library),
      setList (tagCatalogue)
{
    rereadSets();

    titleLabel = makeLabel ("titleLabel");
    titleLabel->setJustificationType (juce::Justification::centredTop);
    titleLabel->setFont (juce::Font (20.0f, juce::Font::bold));
    titleLabel->setColour (juce::Label::textColourId, juce::Colour (0xffffff00));
    addAndMakeVisible (titleLabel);

    interfaceLabel = makeLabel ("interfaceLabel");
    addAndMakeVisible (interfaceLabel);
    setsLabel = makeLabel ("setsLabel");
    addAndMakeVisible (setsLabel);
    setLanguageLabel = makeLabel ("setLanguageLabel");
    addAndMakeVisible (setLanguageLabel);
    tagsLabel = makeLabel ("tagsLabel");
    addAndMakeVisible (tagsLabel);

    interfaceBox = makeBox ("interfaceBox");
    setsBox = makeBox ("setsBox");
    setLanguageBox = makeBox ("setLanguageBox");
    tagsBox = makeBox ("tagsBox");

    for (auto* box : { interfaceBox, setsBox, setLanguageBox, tagsBox })
    {
        addAndMakeVisible (box);
        box->addListener (this);
    }

    infoLabel = makeLabel ("infoLabel");
    infoLabel->setJustificationType (juce::Justification::topLeft);
    infoLabel->setFont (juce::Font (14.0f, juce::Font::italic));
    infoLabel->setColour (juce::Label::textColourId, juce::Colour (0xff808080));
    // A scale of exactly 1.0 makes the look and feel word-wrap long descriptions.
    infoLabel->setMinimumHorizontalScale (1.0f);
    addAndMakeVisible (infoLabel);

    okButton = new juce::TextButton();
    okButton->setComponentID ("okButton");
    cancelButton = new juce::TextButton();
    cancelButton->setComponentID ("cancelButton");

    for (auto* button : { okButton, cancelButton })
    {
        addAndMakeVisible (button);
        button->addListener (this);
    }

    // Tab goes round the panel's own fields in reading order, never to the screen beneath; a
    // screen reader reads every child in that order, each caption before its box.
    setFocusContainerType (FocusContainerType::keyboardFocusContainer);
    PanelFocus::setReadingOrder ({ titleLabel, interfaceLabel, interfaceBox, setLanguageLabel, setLanguageBox, setsLabel,
                                   setsBox, tagsLabel, tagsBox, infoLabel, okButton, cancelButton });

    language = 1;
    setLanguage (1);
}

OptionsComponent::~OptionsComponent()
{
    deleteAllChildren();
}

std::unique_ptr<juce::AccessibilityHandler> OptionsComponent::createAccessibilityHandler()
{
    return std::make_unique<juce::AccessibilityHandler> (*this, juce::AccessibilityRole::group);
}

//==============================================================================
juce::String OptionsComponent::choose (const char* french, const char* english) const
{
    return juce::String (juce::CharPointer_UTF8 (language == 0 ? french : english));
}

void OptionsComponent::rereadSets()
{
    // A list of its own: reading the shared library again would move the pool of the advice on
    // screen, and Cancel must leave that advice as it was.
    if (setLibrary == nullptr)
        return;
    setList.setBaseFolder (setLibrary->getBaseFolder());
    setList.reload();
}

juce::StringArray OptionsComponent::getSetNames (int languageSet) const
{
    return setList.getSetNames (languageSet);
}

juce::StringArray OptionsComponent::getSetFileNames (int languageSet) const
{
    return setList.getSetFileNames (languageSet);
}

void OptionsComponent::addFixedSetEntries()
{
    setsBox->addItem (choose ("---Tous les sets---", "---All the sets---"), allSetsId);
    setsBox->addItem (choose ("---Favoris---", "---Favorites---"), favouritesId);
}

void OptionsComponent::fillTagsBox()
{
    static const char* const frenchHeadings[] = { "Niveau d'abstraction", "Fonction", "Instruments",
                                                  "Styles musicaux", "Thèmes" };
    static const char* const englishHeadings[] = { "Abstraction level", "Function", "Instruments",
                                                   "Music genre", "Themes" };

    tagsBox->addItem (choose ("---Pas de filtrage par tags---", "---No tag filtering---"), noTagId);

    for (int k = 0; k < TagCatalogue::numCategories; ++k)
    {
        tagsBox->addSeparator();
        tagsBox->addSectionHeading (choose (frenchHeadings[k], englishHeadings[k]));

        if (catalogue != nullptr)
            tagsBox->addItemList (catalogue->getCategoryTagNames (k), 1 + 100 * k);
    }
}

//==============================================================================
void OptionsComponent::setLanguage (int newLanguage)
{
    language = newLanguage;

    auto rememberedSet = setsBox->getSelectedId();
    auto rememberedSetLanguage = setLanguageBox->getSelectedId();
    auto rememberedTag = tagsBox->getSelectedId();

    if (rememberedSet == 0)          rememberedSet = allSetsId;
    if (rememberedSetLanguage == 0)  rememberedSetLanguage = 1;
    if (rememberedTag == 0)          rememberedTag = noTagId;

    for (auto* box : { interfaceBox, setsBox, setLanguageBox, tagsBox })
        box->clear (juce::dontSendNotification);

    titleLabel->setText (choose ("Filtrage des conseils", "Advice filtering"), juce::dontSendNotification);
    interfaceLabel->setText (choose ("Interface", "Interface"), juce::dontSendNotification);
    setsLabel->setText (choose ("Sets sélectionnés", "Selected sets"), juce::dontSendNotification);
    setLanguageLabel->setText (choose ("Langue(s) dans les sets", "Language(s) in the sets"), juce::dontSendNotification);
    tagsLabel->setText (choose ("Tags", "Tags"), juce::dontSendNotification);
    okButton->setButtonText (choose ("OK", "OK"));
    cancelButton->setButtonText (choose ("Annuler", "Cancel"));

    // Each box is named by its caption; the panel by its heading.
    setTitle (titleLabel->getText());
    interfaceBox->setTitle (interfaceLabel->getText());
    setLanguageBox->setTitle (setLanguageLabel->getText());
    setsBox->setTitle (setsLabel->getText());
    tagsBox->setTitle (tagsLabel->getText());

    // The catalogue's own language, not the panel's, names the languages and tags.
    if (catalogue != nullptr)
        interfaceBox->addItemList (catalogue->getCategoryTagNames (TagCatalogue::numCategories), 1);

    setLanguageBox->addItem (choose ("---Toutes les langues---", "---All the languages---"), 1);
    setLanguageBox->addItem (choose ("Seulement les sets en français", "French sets only"), 2);
    setLanguageBox->addItem (choose ("Seulement les sets en anglais", "English sets only"), 3);

    addFixedSetEntries();
    setsBox->addItemList (getSetNames (rememberedSetLanguage - 2), firstSetId);

    fillTagsBox();

    // Any language but French is English, as everywhere else in the program.
    interfaceBox->setSelectedId (language == 0 ? 1 : 2, juce::dontSendNotification);
    setsBox->setSelectedId (rememberedSet, juce::sendNotification);
    setLanguageBox->setSelectedId (rememberedSetLanguage, juce::dontSendNotification);
    tagsBox->setSelectedId (rememberedTag, juce::sendNotification);
}

void OptionsComponent::setLanguageSet (int languageSet)
{
    // A value no entry stands for (a hand-edited settings file) means all languages,
    // so that the box, the set list and getLanguageSet() agree.
    const bool listed = languageSet >= -1 && languageSet <= 1;
    setLanguageBox->setSelectedId (listed ? languageSet + 2 : 1, juce::dontSendNotification);
}

int OptionsComponent::getLanguageSet() const
{
    const auto id = setLanguageBox->getSelectedId();
    return id == 0 ? -1 : id - 2;
}

void OptionsComponent::setSelectedSet (const juce::String& setFileName, bool favouritesOnly)
{
    const int fallbackId = favouritesOnly ? favouritesId : allSetsId;
    int id = fallbackId;

    if (setFileName.isNotEmpty())
    {
        const auto index = getSetFileNames (getLanguageSet()).indexOf (setFileName, true);

        if (index >= 0)
            id = index + firstSetId;
    }

    setsBox->setSelectedId (id, juce::dontSendNotification);
    showSetDescription();
}

juce::String OptionsComponent::getSelectedSetFile() const
{
    const auto id = setsBox->getSelectedId();

    if (id < firstSetId)
        return {};

    return getSetFileNames (getLanguageSet())[id - firstSetId];
}

bool OptionsComponent::isFavoritesOnly() const
{
    return setsBox->getSelectedId() == favouritesId;
}

void OptionsComponent::setTagFilter (int tagId)
{
    if (tagId == -1)
    {
        tagsBox->setSelectedId (noTagId, juce::dontSendNotification);
        return;
    }

    tagsBox->setSelectedId (tagId + 1, juce::sendNotification);
    showTagDescription();
}

int OptionsComponent::getTagFilter() const
{
    const auto id = tagsBox->getSelectedId();
    return id == noTagId ? -1 : id - 1;
}

void OptionsComponent::showSetDescription()
{
    const auto id = setsBox->getSelectedId();

    if (id == allSetsId || id == favouritesId)
    {
        infoLabel->setText ({}, juce::dontSendNotification);
        return;
    }

    // Sets of every language are searched; of two sets with one name the later wins.
    const auto shownName = setsBox->getText();

    for (int i = 0; i < setList.getNumSets(); ++i)
        if (auto* set = setList.getSet (i))
            if (set->getName() == shownName)
                infoLabel->setText (set->getDescription(), juce::dontSendNotification);
}

void OptionsComponent::showTagDescription()
{
    const auto id = tagsBox->getSelectedId();

    // With no tag chosen the set's description stays in view rather than a blank box
    // (the panel opens that way, after its queued change messages arrive).
    if (id == noTagId)
        showSetDescription();
    else if (catalogue != nullptr)
        infoLabel->setText (catalogue->getTagDescription (id - 1), juce::dontSendNotification);
}

void OptionsComponent::refillSetsForLanguage()
{
    const auto rememberedText = setsBox->getText();

    setsBox->clear (juce::sendNotificationAsync);
    addFixedSetEntries();
    setsBox->addItemList (getSetNames (getLanguageSet()), firstSetId);
    setsBox->setSelectedId (allSetsId, juce::sendNotificationAsync);

    // The chosen set survives when it is still listed; the favourites entry always is.
    for (int i = 0; i < setsBox->getNumItems(); ++i)
        if (setsBox->getItemText (i) == rememberedText)
            setsBox->setSelectedItemIndex (i, juce::dontSendNotification);
}

//==============================================================================
void OptionsComponent::comboBoxChanged (juce::ComboBox* box)
{
    if (box == interfaceBox)
    {
        const auto id = interfaceBox->getSelectedId();

        if (id == 0)
            return;

        if (catalogue != nullptr)
            catalogue->rebuild (id == 2);

        setLanguage (id - 1);
    }
    else if (box == setLanguageBox)
    {
        refillSetsForLanguage();
    }
    else if (box == setsBox)
    {
        showSetDescription();
    }
    else if (box == tagsBox)
    {
        showTagDescription();
    }
}

void OptionsComponent::buttonClicked (juce::Button* button)
{
    if (button == cancelButton)
        sendActionMessage ("OptionsCancel");
    else if (button == okButton)
        sendActionMessage ("OptionsOK");
}

//==============================================================================
void OptionsComponent::paint (juce::Graphics& g)
{
    CustomLookAndFeel::paintOverlayBackground (g, getWidth(), getHeight());
}

void OptionsComponent::resized()
{
    const int w = getWidth();

    okButton->setBounds (w / 2 - 150, 280, 100, 30);
    cancelButton->setBounds (w / 2 + 50, 280, 100, 30);
    titleLabel->setBounds (30, 30, w - 60, 24);
    interfaceLabel->setBounds (30, 80, 150, 24);
    setLanguageLabel->setBounds (30, 110, 150, 24);
    setsLabel->setBounds (30, 140, 150, 24);
    tagsLabel->setBounds (30, 170, 150, 24);
    interfaceBox->setBounds (190, 80, w - 240, 24);
    setLanguageBox->setBounds (190, 110, w - 240, 24);
    setsBox->setBounds (190, 140, w - 240, 24);
    tagsBox->setBounds (190, 170, w - 240, 24);
    infoLabel->setBounds (30, 210, w - 60, 120);
}
