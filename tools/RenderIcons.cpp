// Renders the program's icon at the sizes a desktop's icon theme expects:
// RenderIcons <folder> writes <folder>/<N>x<N>/apps/<name>.png for each size.
#include "look/AppIcon.h"

#include <juce_graphics/juce_graphics.h>

#include <iostream>

int main (int argc, char* argv[])
{
    if (argc != 3)
    {
        std::cerr << "usage: RenderIcons <icon theme folder> <icon name>\n";
        return 2;
    }

    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));

    for (int size : { 16, 24, 32, 48, 64, 128, 256 })
    {
        const auto dir = folder.getChildFile (juce::String (size) + "x" + juce::String (size)).getChildFile ("apps");
        const auto file = dir.getChildFile (juce::String (argv[2]) + ".png");
        juce::PNGImageFormat png;

        if (! dir.createDirectory() || ! file.deleteFile())
        {
            std::cerr << "cannot write " << file.getFullPathName() << "\n";
            return 1;
        }

        juce::FileOutputStream out (file);

        if (! out.openedOk() || ! png.writeImageToStream (AppIcon::render (size), out))
        {
            std::cerr << "cannot write " << file.getFullPathName() << "\n";
            return 1;
        }
    }

    return 0;
}
