#include "ColorsScene.h"
#include "EditsScene.h"
#include "Services1Scene.h"

const std::vector<HostSceneEntry>& HostScenes()
{
    static const std::vector<HostSceneEntry> scenes = {
        { "colors", &MakeColorsScene },
        { "services1", &MakeServices1Scene },
        { "edits", &MakeEditsScene },
    };
    return scenes;
}
