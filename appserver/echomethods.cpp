#include "handlers.h"

#include <algorithm>

namespace appserver {

void RegisterEchoMethods(HandlerTable& t)
{
    t["EchoString"] = [](CallContext& c) { return Answer{QJsonValue(c.args.text(0))}; };
    t["ReverseString"] = [](CallContext& c) {
        QString s = c.args.text(0);
        std::reverse(s.begin(), s.end());
        return Answer{QJsonValue(s)};
    };
}

} // namespace appserver
