#include "handlers.h"

namespace appserver {

HandlerTable AllHandlers()
{
    HandlerTable t;
    RegisterEchoMethods(t);
    RegisterLoginMethods(t);
    RegisterStockMethods(t);
    RegisterBasketMethods(t);
    RegisterOrderMethods(t);
    RegisterStatementMethods(t);
    RegisterCustomerMethods(t);
    RegisterContentMethods(t);
    RegisterReportMethods(t);
    RegisterMailMethods(t);
    return t;
}

} // namespace appserver
