#include "ColorsScene.h"
#include "Services1Scene.h"
#include "MdiScene.h"

const std::vector<HostSceneEntry>& HostScenes()
{
    static const std::vector<HostSceneEntry> scenes = {
        { "colors", &MakeColorsScene },
        { "services1", &MakeServices1Scene },
        { "mdi", nullptr, &MakeMdiSceneMainWindow },
    };
    return scenes;
}
