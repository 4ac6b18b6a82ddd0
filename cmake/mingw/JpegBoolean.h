// Forced into JUCE's juce_graphics unit for MinGW. With the system's jpeglib, JUCE's JPEG
// loader names jpeglibNamespace::boolean, but jmorecfg.h leaves boolean to <rpcndr.h>
// (already included by then, outside that namespace) on Windows.
#pragma once

namespace juce { namespace jpeglibNamespace { typedef unsigned char boolean; } }
