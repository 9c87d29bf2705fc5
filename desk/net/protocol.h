#pragma once
// Building the requests of the marketplace protocol: "?CD=" + two-digit code
// + "&NAME=value" parameters, sent to one of the two server scripts.
//
// Every parameter value is percent-encoded (Windows-1252 bytes, the RFC 3986
// unreserved characters left as they are), so typed text holding "&", "+",
// "#", "%", blanks or line breaks reaches the server whole. Names, their
// order and an item list's "<" ... ">" framing stay as the protocol has them;
// the brackets travel encoded like any other byte.
#include <initializer_list>
#include <string>
#include <string_view>

#include "desk/core/desk.h"
#include "desk/net/transport.h"
#include "text/percent.h"

namespace plix {

enum class Script { Ctrl, Chkl };

inline constexpr std::string_view kCtrlScript = "/plix_ctrl.php";
inline constexpr std::string_view kChklScript = "/plix_chkl.php";

std::string_view scriptPath(Script script);

struct QueryParam {
    std::string_view name;
    std::string_view value;   // as held; encoded on the way out
};

// "?CD=" + code as two digits + "&" + name + "=" + encoded value for each
// parameter in order + literalTail (sent unencoded: the filter fetch's "&=&=").
std::string buildQuery(int code, std::initializer_list<QueryParam> params,
                       std::string_view literalTail = {});

// "http://" + host + script path + query.
std::string buildUrl(std::string_view host, Script script, std::string_view query);

// Sets RequestQuery and RequestUrl (with ServerHost) for one request.
void setRequest(DeskState& s, Script script, int code, std::initializer_list<QueryParam> params,
                std::string_view literalTail = {});

// One whole exchange: OperationLabel := label (left unchanged when empty),
// setRequest, then geturl with the given window's options. ServerReply holds
// the body afterwards (or the previous reply when offline).
void serverRequest(Desk& d, std::string_view label, Script script, int code,
                   std::initializer_list<QueryParam> params,
                   const FetchOptions& options = mainWindowFetch(), std::string_view literalTail = {});

}  // namespace plix
