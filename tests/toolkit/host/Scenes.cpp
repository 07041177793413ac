#include "ColorsScene.h"
#include "MdiScene.h"

const std::vector<HostSceneEntry>& HostScenes()
{
    static const std::vector<HostSceneEntry> scenes = {
        { "colors", &MakeColorsScene },
        { "mdi", nullptr, &MakeMdiSceneMainWindow },
    };
    return scenes;
}
