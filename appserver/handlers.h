#pragma once

#include "methodcall.h"

namespace appserver {

// Each family of server methods registers its handlers.
void RegisterEchoMethods(HandlerTable& t);
void RegisterLoginMethods(HandlerTable& t);
void RegisterStockMethods(HandlerTable& t);
void RegisterBasketMethods(HandlerTable& t);
void RegisterOrderMethods(HandlerTable& t);
void RegisterStatementMethods(HandlerTable& t);
void RegisterCustomerMethods(HandlerTable& t);
void RegisterContentMethods(HandlerTable& t);
void RegisterReportMethods(HandlerTable& t);
void RegisterMailMethods(HandlerTable& t);

// Every handler of the catalogue.
HandlerTable AllHandlers();

} // namespace appserver
