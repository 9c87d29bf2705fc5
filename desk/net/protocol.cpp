#include "desk/net/protocol.h"

namespace plix {

std::string_view scriptPath(Script script) {
    return script == Script::Ctrl ? kCtrlScript : kChklScript;
}

std::string buildQuery(int code, std::initializer_list<QueryParam> params, std::string_view literalTail) {
    // Request codes are two decimal digits; anything else is a caller's slip
    // that must not produce a malformed query.
    if (code < 0) code = 0;
    code %= 100;
    std::string q = "?CD=";
    q += static_cast<char>('0' + code / 10);
    q += static_cast<char>('0' + code % 10);
    for (const QueryParam& p : params) {
        q += '&';
        q += p.name;
        q += '=';
        q += percentEncode(p.value);
    }
    q += literalTail;
    return q;
}

std::string buildUrl(std::string_view host, Script script, std::string_view query) {
    std::string url = "http://";
    url += host;
    url += scriptPath(script);
    url += query;
    return url;
}

void setRequest(DeskState& s, Script script, int code, std::initializer_list<QueryParam> params,
                std::string_view literalTail) {
    s.RequestQuery = buildQuery(code, params, literalTail);
    s.RequestUrl = buildUrl(s.ServerHost, script, s.RequestQuery);
}

void serverRequest(Desk& d, std::string_view label, Script script, int code,
                   std::initializer_list<QueryParam> params, const FetchOptions& options,
                   std::string_view literalTail) {
    if (!label.empty()) d.st.OperationLabel = label;
    setRequest(d.st, script, code, params, literalTail);
    geturl(d, options);
}

}  // namespace plix
