#include "WebServerHost.h"

WebServerAddress& WebServerHost()
{
    static WebServerAddress address;
    return address;
}
