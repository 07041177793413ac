#include "ColorsScene.h"
#include "DockingScene.h"

const std::vector<HostSceneEntry>& HostScenes()
{
    static const std::vector<HostSceneEntry> scenes = {
        { "colors", &MakeColorsScene },
        { "docking", &MakeDockingScene },
    };
    return scenes;
}
