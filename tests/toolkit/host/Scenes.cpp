#include "ColorsScene.h"

const std::vector<HostSceneEntry>& HostScenes()
{
    static const std::vector<HostSceneEntry> scenes = {
        { "colors", &MakeColorsScene },
    };
    return scenes;
}
