#pragma once

#include "methodcall.h"

namespace appserver {

// Each family of server methods registers its handlers.
void RegisterEchoMethods(HandlerTable& t);

// Every handler of the catalogue.
HandlerTable AllHandlers();

} // namespace appserver
