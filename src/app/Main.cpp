#include "app/KindlebrookV1Application.h"

START_JUCE_APPLICATION (KindlebrookV1Application)
