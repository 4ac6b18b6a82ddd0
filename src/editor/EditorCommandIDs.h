#pragma once

/** The set editor's commands. Their range is the editor's own, so that they share one
    juce::ApplicationCommandManager with the main screen's (which start at 0x1000). */
namespace EditorCommandIDs
{
enum : int
{
    newSet = 0x2000,
    openSet,
    saveSet,
    saveSetAs,
    closeSet,
    addAdvice,
    duplicateAdvice,
    deleteAdvice,
    previousAdvice,
    nextAdvice,
    descriptionPage,
    colourPage,
    tagsPage,
    switchLanguage,
    back
};
} // namespace EditorCommandIDs
