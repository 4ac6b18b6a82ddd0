#include "RepaintFallback.h"

// JUCE's Linux windows repaint on a timer of their own.
struct RepaintFallback::Native {};

RepaintFallback::RepaintFallback (juce::Component&) {}
RepaintFallback::~RepaintFallback() = default;
