#include "handlers.h"

namespace appserver {

HandlerTable AllHandlers()
{
    HandlerTable t;
    RegisterEchoMethods(t);
    return t;
}

} // namespace appserver
