#include "ColorsScene.h"
#include "ListsScene.h"
#include "Services1Scene.h"

const std::vector<HostSceneEntry>& HostScenes()
{
    static const std::vector<HostSceneEntry> scenes = {
        { "colors", &MakeColorsScene },
        { "services1", &MakeServices1Scene },
        { "lists", &MakeListsScene },
    };
    return scenes;
}
