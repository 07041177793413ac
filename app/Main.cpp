// The program's one application object. The class library's WinMain runs it.
#include "collector/LexifernApp.h"

CLexifernApp theApp;
