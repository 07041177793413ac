#include "ColorsScene.h"
#include "EditsScene.h"
#include "ListsScene.h"
#include "Services1Scene.h"
#include "MdiScene.h"
#include "Services2Scene.h"
#include "DockingScene.h"
#include "SkinsScene.h"
#include "CoolScene.h"
#include "PaintersScene.h"

const std::vector<HostSceneEntry>& HostScenes()
{
    static const std::vector<HostSceneEntry> scenes = {
        { "colors", &MakeColorsScene },
        { "services1", &MakeServices1Scene },
        { "mdi", nullptr, &MakeMdiSceneMainWindow },
        { "services2", &MakeServices2Scene },
        { "docking", &MakeDockingScene },
        { "edits", &MakeEditsScene },
        { "skins", &MakeSkinsScene },
        { "lists", &MakeListsScene },
        { "cool", &MakeCoolScene },
        { "painters", &MakePaintersScene },
    };
    return scenes;
}
