#include "EditionPrompts.h"

#include "EditedSet.h"
#include "JuceEditionDialogs.h"
#include "advice/AdviceSet.h"

namespace
{
void run (const std::function<void()>& next)
{
    if (next != nullptr)
        next();
}
} // namespace

EditionPrompts::EditionPrompts (EditedSet& setToAskAbout)
    : set (setToAskAbout), dialogs (std::make_unique<JuceEditionDialogs>())
{
}

EditionPrompts::~EditionPrompts() = default;

void EditionPrompts::setDialogs (std::unique_ptr<EditionDialogs> newDialogs)
{
    if (newDialogs != nullptr)
        dialogs = std::move (newDialogs);
}

juce::String EditionPrompts::choose (const char* french, const char* english) const
{
    return juce::String (juce::CharPointer_UTF8 (language == 0 ? french : english));
}

void EditionPrompts::setBusy (bool isNowBusy)
{
    if (busy == isNowBusy)
        return;

    busy = isNowBusy;
    run (onBusyChanged);
}

template <typename Answer>
std::function<void (Answer)> EditionPrompts::whenAnswered (std::function<void (Answer)> act)
{
    setBusy (true);

    return [self = juce::WeakReference<EditionPrompts> (this), askedAbout = set.getIdentity(), act] (Answer answer)
    {
        if (self == nullptr)
            return;

        self->setBusy (false);

        if (self->set.getIdentity() == askedAbout)
            act (answer);
    };
}

//==============================================================================
void EditionPrompts::guard (std::function<void()> next)
{
    if (! set.isOpen() || set.isUpToDate())
    {
        run (next);
        return;
    }

    dialogs->askYesNoCancel ("Kindlebrook",
                             choose ("Le set a été modifié. Voulez-vous enregistrer vos modifications ?",
                                     "The set has been modified. Would you like to save it now ?"),
                             choose ("Oui", "Yes"), choose ("Ignorer", "Ignore"), choose ("Annuler", "Cancel"),
                             whenAnswered<int> ([this, next] (int answer)
                             {
                                 if (answer == 1)
                                     save (next);
                                 else if (answer == 2)
                                     run (next);
                             }));
}

void EditionPrompts::save (std::function<void()> next)
{
    if (! set.isOpen())
        return;

    if (set.hasFile())
        writeTo (set.get()->getFile(), next);
    else
        saveAs (next);
}

void EditionPrompts::saveAs (std::function<void()> next)
{
    if (! set.isOpen())
        return;

    // A set saved where the library looks is found by the main screen: make that folder.
    const auto folder = set.getDataFolder();
    folder.createDirectory();

    dialogs->chooseFileToSave (choose ("Choisissez l'emplacement du set à sauvegarder", "Choose the place to save your set"),
                               set.hasFile() ? set.get()->getFile() : folder, "*.kbs",
                               whenAnswered<const juce::File&> ([this, next] (const juce::File& chosen)
    {
        if (chosen == juce::File())
            return;

        const auto target = chosen.withFileExtension ("kbs");

        if (target == chosen || ! target.exists())
        {
            writeTo (target, next);
            return;
        }

        // The dialog asked about the name as typed; the extension names another file that exists.
        dialogs->askOkCancel ("Kindlebrook",
                              choose ("Le fichier \"", "The file \"") + target.getFileName()
                                  + choose ("\" existe déjà. Voulez-vous le remplacer\xc2\xa0?", "\" already exists. Do you want to replace it?"),
                              choose ("Remplacer", "Replace"), choose ("Annuler", "Cancel"),
                              whenAnswered<bool> ([this, target, next] (bool replace)
                              {
                                  if (replace)
                                      writeTo (target, next);
                              }));
    }));
}

void EditionPrompts::writeTo (const juce::File& target, std::function<void()> next)
{
    const auto written = target == set.get()->getFile() ? set.save() : set.saveAs (target);

    if (! written)
    {
        tellProblem (choose ("Le set n'a pas pu être enregistré dans\xc2\xa0:\n", "The set could not be saved to:\n")
                     + target.getFullPathName() + "\n\n"
                     + choose ("Le fichier sur le disque n'a pas été modifié et vos modifications restent ouvertes dans l'éditeur.",
                               "The file on disk has not been changed, and your changes are still open in the editor."));
        return;
    }

    run (onSaved);
    run (next);
}

void EditionPrompts::open (std::function<void()> next)
{
    dialogs->chooseFileToOpen (choose ("Choisissez un set à ouvrir", "Choose the set to open"), set.getDataFolder(), "*.kbs",
                               whenAnswered<const juce::File&> ([this, next] (const juce::File& chosen)
    {
        // A cancelled dialog, or a name that is no existing file, leaves everything as it was.
        const auto result = chosen == juce::File() ? EditedSet::OpenResult::missing : set.open (chosen);

        if (result == EditedSet::OpenResult::opened)
            run (next);
        else if (result == EditedSet::OpenResult::notASet)
            tellProblem (choose ("Ce fichier n'est pas un set Kindlebrook lisible\xc2\xa0:\n", "This file is not a readable Kindlebrook set:\n")
                         + chosen.getFullPathName());
    }));
}

void EditionPrompts::confirmDelete (const juce::String& adviceText, std::function<void()> next)
{
    const auto quoted = "\"" + adviceText + "\" ?";
    const auto message = language == 0 ? juce::String (juce::CharPointer_UTF8 ("Êtes-vous sûrs de vouloir supprimer le conseil  ")) + quoted
                                       : "Do you want to delete the advice " + quoted;

    dialogs->askOkCancel ("Kindlebrook", message, choose ("Oui", "Yes"), choose ("Annuler", "Cancel"),
                          whenAnswered<bool> ([next] (bool confirmed)
                          {
                              if (confirmed)
                                  run (next);
                          }));
}

void EditionPrompts::tellProblem (const juce::String& message)
{
    dialogs->showProblem ("Kindlebrook", message, [dismissed = whenAnswered<int> ([] (int) {})] { dismissed (0); });
}
