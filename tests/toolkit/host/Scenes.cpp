#include "ColorsScene.h"
#include "Services2Scene.h"

const std::vector<HostSceneEntry>& HostScenes()
{
    static const std::vector<HostSceneEntry> scenes = {
        { "colors", &MakeColorsScene },
        { "services2", &MakeServices2Scene },
    };
    return scenes;
}
