#pragma once

#include "EditionDialogs.h"

#include <memory>

class EditedSet;

/**
    The set editor's conversations with the user: the save guard in front of every command that
    would drop unsaved changes, the file choosers, the delete confirmation and the report of a
    failed save. One at a time: isBusy() holds from a question until its answer (the panel lets
    no command act meanwhile), and an answer acts only when the set it was asked about is still
    the one open.

    A step that goes on runs its next function; one that stops (Cancel, a failed save) does not.
*/
class EditionPrompts
{
public:
    explicit EditionPrompts (EditedSet& set);
    ~EditionPrompts();

    /** Replaces the dialogs (the platform's by default). */
    void setDialogs (std::unique_ptr<EditionDialogs> newDialogs);
    /** 0 French, any other value English. */
    void setLanguage (int english) noexcept { language = english; }

    bool isBusy() const noexcept { return busy; }

    /** Unsaved changes: asks whether to save them (then saves), let them go, or stop. */
    void guard (std::function<void()> next);
    /** Saves to the set's file, or asks for one when it has none. */
    void save (std::function<void()> next);
    void saveAs (std::function<void()> next);
    /** Asks for a file and opens it, unless it is no set (which is reported). */
    void open (std::function<void()> next);
    void confirmDelete (const juce::String& adviceText, std::function<void()> next);

    /** After every successful write; the title and the save button change. */
    std::function<void()> onSaved;
    /** When isBusy() changes. */
    std::function<void()> onBusyChanged;

private:
    /** Wraps what an answer does: the prompts are free again, and the answer acts only if both
        they and the set asked about are still there. */
    template <typename Answer>
    std::function<void (Answer)> whenAnswered (std::function<void (Answer)> act);
    void setBusy (bool isNowBusy);
    void writeTo (const juce::File& target, std::function<void()> next);
    void tellProblem (const juce::String& message);
    juce::String choose (const char* french, const char* english) const;

    EditedSet& set;
    std::unique_ptr<EditionDialogs> dialogs;
    int language = 1;
    bool busy = false;

    JUCE_DECLARE_WEAK_REFERENCEABLE (EditionPrompts)
    JUCE_DECLARE_NON_COPYABLE (EditionPrompts)
};
