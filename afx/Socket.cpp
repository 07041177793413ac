#include "afx/Socket.h"

#include <string.h>

namespace {

struct SocketStartup
{
    SocketStartup() : data(), started(WSAStartup(MAKEWORD(2, 2), &data) == 0)
    {
        // A system that offers less than 2.2 is not one this program can use.
        if (started && data.wVersion != MAKEWORD(2, 2)) {
            WSACleanup();
            started = false;
        }
    }
    ~SocketStartup()
    {
        if (started)
            WSACleanup();
    }

    WSADATA data;
    bool started;
};

}  // namespace

BOOL AFXAPI AfxSocketInit(WSADATA* data)
{
    // A function-local static starts the sockets exactly once, also when two
    // threads ask at the same time, and cleans up at process exit.
    static SocketStartup startup;
    if (data)
        memcpy(data, &startup.data, sizeof *data);
    return startup.started ? TRUE : FALSE;
}
