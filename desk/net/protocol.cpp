#include "desk/net/protocol.h"

namespace plix {

std::string_view scriptPath(Script script) {
    return script == Script::Ctrl ? kCtrlScript : kChklScript;
}

static bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string percentEncode(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size() * 3);
    for (unsigned char c : value) {
        if (unreserved(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
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
