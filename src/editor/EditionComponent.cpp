#include "EditionComponent.h"

#include "EditionPrompts.h"
#include "EditorCommandIDs.h"
#include "SpecialColourSelector.h"
#include "SpecialTagManager.h"
#include "advice/AdviceSet.h"
#include "look/CustomLookAndFeel.h"
#include "look/PanelFocus.h"
#include "widgets/SpecialButton.h"
#include "widgets/SpecialLabel.h"
#include "widgets/SpecialWheel.h"

#include <algorithm>
#include <utility>

namespace
{
namespace ids = EditorCommandIDs;

// Their order is the order in which a key is looked up.
const juce::CommandID allCommands[] = { ids::saveSet, ids::openSet, ids::newSet, ids::closeSet, ids::addAdvice,
                                        ids::previousAdvice, ids::nextAdvice, ids::saveSetAs, ids::duplicateAdvice,
                                        ids::deleteAdvice, ids::descriptionPage, ids::colourPage, ids::tagsPage,
                                        ids::switchLanguage, ids::back };

juce::Array<juce::KeyPress> getDefaultKeys (juce::CommandID id)
{
    const auto ctrl = juce::ModifierKeys::ctrlModifier;
    const auto ctrlShift = ctrl | juce::ModifierKeys::shiftModifier;

    switch (id)
    {
        case ids::saveSet:        return { juce::KeyPress ('s', ctrl, 0) };
        case ids::openSet:        return { juce::KeyPress ('o', ctrl, 0) };
        case ids::newSet:         return { juce::KeyPress ('n', ctrl, 0) };
        case ids::closeSet:       return { juce::KeyPress ('w', ctrl, 0) };
        // Ctrl++ as it is typed: "+" takes Shift on most layouts, and the keypad has a plus key of its own.
        case ids::addAdvice:      return { juce::KeyPress ('+', ctrl, 0), juce::KeyPress ('+', ctrlShift, 0),
                                           juce::KeyPress ('=', ctrlShift, 0), juce::KeyPress (juce::KeyPress::numberPadAdd, ctrl, 0) };
        case ids::previousAdvice: return { juce::KeyPress (juce::KeyPress::pageUpKey), juce::KeyPress (juce::KeyPress::upKey) };
        case ids::nextAdvice:     return { juce::KeyPress (juce::KeyPress::pageDownKey), juce::KeyPress (juce::KeyPress::downKey) };
        case ids::back:           return { juce::KeyPress (juce::KeyPress::escapeKey) };
        default:                  return {};
    }
}
} // namespace

//==============================================================================
EditionComponent::EditionComponent (TagCatalogue* catalogue, SetLibrary* library)
    : EditionView (catalogue, library),
      prompts (std::make_unique<EditionPrompts> (editedSet)),
      ownCommandManager (std::make_unique<juce::ApplicationCommandManager>()),
      commandManager (ownCommandManager.get())
{
    // One listener for every child; the keys come up to the panel from whichever child has the focus.
    for (auto* child : getChildren())
        if (auto* button = dynamic_cast<juce::Button*> (child))
            button->addListener (this);

    for (auto* label : { nameLabel, adviceLabel, authorLabel, setDescriptionLabel })
    {
        label->addChangeListener (this);
        label->addListener (&focusKeeper);
    }

    wheel->addChangeListener (this);
    colourSelector->addChangeListener (this);
    tagManager->addChangeListener (this);
    adviceLabel->addActionListener (this);
    tagManager->addActionListener (this);
    setWantsKeyboardFocus (true);
    commandManager->registerAllCommandsForTarget (this);

    prompts->onSaved = [this] { updateButtonStates(); updateWindowTitle(); };
    // While a question is up the window takes no input, even under a dialog that leaves it
    // live (zenity, kdialog): no edit can slip in under it.
    prompts->onBusyChanged = [this]
    {
        if (prompts->isBusy())
            inputBlocker.enterModalState (false);
        else
            inputBlocker.exitModalState (0);
    };

    onCloseAgreed = [this]
    {
        juce::MessageManager::callAsync ([safeThis = juce::Component::SafePointer<EditionComponent> (this)]
        {
            if (safeThis == nullptr)
                return;

            // Through the window's own close, which asks the panel again and now hears yes.
            if (auto* window = dynamic_cast<juce::DocumentWindow*> (safeThis->getTopLevelComponent()))
                window->closeButtonPressed();
            else if (auto* application = juce::JUCEApplicationBase::getInstance())
                application->systemRequestedQuit();
        });
    };
}

EditionComponent::~EditionComponent()
{
    // The children call back into this part of the panel (as listeners, or the focus keeper
    // when an edit ends): they go while it is still whole.
    deleteAllChildren();
}

void EditionComponent::setDialogs (std::unique_ptr<EditionDialogs> newDialogs)
{
    prompts->setDialogs (std::move (newDialogs));
}

bool EditionComponent::isPromptUp() const
{
    return prompts->isBusy();
}

void EditionComponent::useCommandManager (juce::ApplicationCommandManager& manager)
{
    manager.registerAllCommandsForTarget (this);
    commandManager = &manager;
    ownCommandManager.reset();
}

void EditionComponent::FocusKeeper::editorHidden (juce::Label*, juce::TextEditor&)
{
    if (panel.isShowing())
        panel.grabKeyboardFocus();
}

//==============================================================================
void EditionComponent::setLanguage (int newLanguage)
{
    EditionView::setLanguage (newLanguage);
    prompts->setLanguage (newLanguage);
}

void EditionComponent::closeSet()
{
    editedSet.close();
    updateWindowTitle();
    closeOpenPages();
    wheel->setPosition (-1);
    showPage (0);
    updateButtonStates();
}

bool EditionComponent::canClose()
{
    // The close button pressed again while the editor asks: the first question stands.
    if (prompts->isBusy())
        return false;

    // Text still being typed counts as a change the user means to keep.
    applyPendingEdits();

    if (! closeAgreed)
    {
        askingToClose = true;
        prompts->guard ([this]
        {
            closeAgreed = true;
            updateButtonStates();
            updateWindowTitle();

            if (! askingToClose && onCloseAgreed != nullptr)
                onCloseAgreed();
        });
        askingToClose = false;
    }

    return std::exchange (closeAgreed, false);
}

juce::File EditionComponent::keepRecoveryCopy()
{
    applyPendingEdits();
    return editedSet.keepRecoveryCopy (english);
}

void EditionComponent::applyPendingEdits()
{
    // An edit ended by Return reaches the set through a change message: a command that comes
    // right behind it, before that message, must see it all the same.
    for (auto* label : { nameLabel, adviceLabel, authorLabel, setDescriptionLabel })
    {
        label->commitEdit();
        label->dispatchPendingMessages();
    }

    colourSelector->dispatchPendingMessages();
    tagManager->dispatchPendingMessages();
    wheel->dispatchPendingMessages();
}

void EditionComponent::visibilityChanged()
{
    // The editor's grey square buttons in alert boxes are for its own questions only.
    if (auto* look = dynamic_cast<CustomLookAndFeel*> (&juce::LookAndFeel::getDefaultLookAndFeel()))
        look->setEditorButtonStyle (isVisible());
}

//==============================================================================
juce::ApplicationCommandTarget* EditionComponent::getNextCommandTarget()
{
    return findFirstTargetParentComponent();
}

void EditionComponent::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray (allCommands, (int) std::size (allCommands));
}

SpecialButton* EditionComponent::getButtonFor (juce::CommandID id) const
{
    switch (id)
    {
        case ids::newSet:          return newSetButton;
        case ids::openSet:         return openSetButton;
        case ids::saveSet:         return saveButton;
        case ids::saveSetAs:       return saveAsButton;
        case ids::closeSet:        return closeSetButton;
        case ids::addAdvice:       return addAdviceButton;
        case ids::duplicateAdvice: return duplicateAdviceButton;
        case ids::deleteAdvice:    return deleteAdviceButton;
        case ids::descriptionPage: return descriptionButton;
        case ids::colourPage:      return colourButton;
        case ids::tagsPage:        return tagsButton;
        case ids::switchLanguage:  return languageButton;
        case ids::back:            return backButton;
        default:                   return nullptr;
    }
}

bool EditionComponent::mayAct() const
{
    // Visible all the way up, without asking for a window: the panel also works on its own.
    for (auto* c = static_cast<const juce::Component*> (this); c != nullptr; c = c->getParentComponent())
        if (! c->isVisible())
            return false;

    return ! prompts->isBusy();
}

void EditionComponent::getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info)
{
    const auto* end = allCommands + std::size (allCommands);

    if (std::find (allCommands, end, id) == end)
        return;

    auto* button = getButtonFor (id);
    const auto name = button != nullptr ? button->getComponentID().upToLastOccurrenceOf ("Button", false, false)
                                        : juce::String (id == ids::previousAdvice ? "previousAdvice" : "nextAdvice");
    info.setInfo (name, name, "Set editor", 0);
    info.defaultKeypresses = getDefaultKeys (id);
    // A shortcut whose button is hidden does nothing; the moves are always there.
    info.setActive (mayAct() && (button == nullptr || button->isVisible()));
}

bool EditionComponent::keyPressed (const juce::KeyPress& key)
{
    if (PanelFocus::enterOnTab (*this, key))
        return true;

    // The keys of the table, run at once: a command typed right after an edit sees that edit.
    auto& mappings = *commandManager->getKeyMappings();

    for (auto id : allCommands)
        if (mappings.getKeyPressesAssignedToCommand (id).contains (key) && isCommandActive (id))
            return invokeDirectly (id, false);

    return false;
}

void EditionComponent::buttonClicked (juce::Button* button)
{
    for (auto id : allCommands)
        if (getButtonFor (id) == button)
            invokeDirectly (id, false);
}

bool EditionComponent::perform (const InvocationInfo& info)
{
    applyPendingEdits();
    closeAgreed = false;

    switch (info.commandID)
    {
        case ids::newSet:
            prompts->guard ([this] { closeOpenPages(); editedSet.createNew (english); showWholeSet(); });
            break;
        case ids::openSet:
            prompts->guard ([this] { prompts->open ([this] { closeOpenPages(); showWholeSet(); }); });
            break;
        case ids::closeSet:
            prompts->guard ([this] { closeSet(); });
            break;
        case ids::saveSet:         prompts->save ({}); break;
        case ids::saveSetAs:       prompts->saveAs ({}); break;
        case ids::back:            prompts->guard ([this] { leave(); }); break;
        case ids::addAdvice:       showAdviceAt (editedSet.addAdvice()); break;
        case ids::duplicateAdvice: showAdviceAt (editedSet.duplicateAdvice (getValidPosition())); break;
        case ids::deleteAdvice:    deleteAdvice(); break;
        case ids::previousAdvice:  stepAdvice (-1); break;
        case ids::nextAdvice:      stepAdvice (1); break;
        case ids::descriptionPage: togglePage (descriptionButton, 1); break;
        case ids::colourPage:      togglePage (colourButton, 2); break;
        case ids::tagsPage:        togglePage (tagsButton, 3); break;
        case ids::switchLanguage:  switchLanguage(); break;
        default:                   return false;
    }

    return true;
}

//==============================================================================
void EditionComponent::leave()
{
    editedSet.close();
    updateWindowTitle();
    sendActionMessage ("EditionExit");
}

void EditionComponent::switchLanguage()
{
    editedSet.setLanguage (languageButton->getOnState() == 0 ? 1 : 0);
    updateWindowTitle();
    showPage (0);
    refreshDisplay();
    updateButtonStates();
}

void EditionComponent::stepAdvice (int delta)
{
    // With no set open there is no item to move to.
    const auto target = wheel->getPosition() + delta;

    if (editedSet.isOpen() && juce::isPositiveAndBelow (target, getCurrentSet()->getNumItems()))
    {
        wheel->setPosition (target);
        refreshDisplay();
        updateButtonStates();
    }
}

void EditionComponent::deleteAdvice()
{
    const auto p = getValidPosition();

    if (p == -1)
        return;

    prompts->confirmDelete (adviceLabel->getText(), [this, p] { showAdviceAt (editedSet.deleteAdvice (p)); });
}

//==============================================================================
void EditionComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    // Messages arrive later than they are sent: the set they were meant for may be gone.
    if (! editedSet.isOpen())
        return;

    const auto p = getValidPosition();

    // No item to write to: show the truth rather than keep a text or tags that would be lost.
    if (source == wheel || (p == -1 && (source == adviceLabel || source == tagManager)))
    {
        refreshDisplay();
        updateButtonStates();
        return;
    }

    bool changed = false;

    if (source == nameLabel)
        changed = editedSet.setName (nameLabel->getText());
    else if (source == adviceLabel)
        changed = editedSet.setItemText (p, adviceLabel->getText());
    else if (source == authorLabel)
        changed = editedSet.setAuthor (authorLabel->getText());
    else if (source == setDescriptionLabel)
        changed = editedSet.setDescription (setDescriptionLabel->getText());
    else if (source == colourSelector)
        changed = editedSet.setColour (colourSelector->getSelectedColour());
    else if (source == tagManager)
        changed = editedSet.setItemTags (p, tagManager->getSelectedTags());

    // A press or a drag that ends where it began changes nothing, and leaving asks nothing.
    if (! changed)
        return;

    tagManager->setHighlightColour (getCurrentSet()->getColour());
    refreshDisplay();
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
