#include "afx/String.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CString title("Lexifern");
    MessageBoxA(nullptr, title, title, MB_OK);
    return 0;
}
