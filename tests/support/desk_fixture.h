#pragma once
// A Desk in a temporary working folder with every platform service faked.
#include <gtest/gtest.h>

#include "desk/core/desk.h"
#include "desk/net/transport.h"
#include "platform/testing/fakes.h"
#include "tests/support/temp_folder.h"

namespace plix::testing {

inline constexpr const char* kTestDefaultHost = "www.default.test";

class DeskFixture : public ::testing::Test {
protected:
    TempFolder folder;
    FakeServices fakes;
    Desk desk{fakes.bundle(), DeskConfig{folder.path(), kTestDefaultHost}};
    DeskState& st = desk.st;
    VeltoForm& velto = desk.velto;

    // One exchange through the main window's geturl, answered with body.
    void exchange(const char* label, const char* url, const char* body) {
        st.OperationLabel = label;
        st.RequestUrl = url;
        fakes.http.replies.push_back({true, body, ""});
        geturl(desk);
    }
};

// A 1024-character settings record built field by field.
struct RecordBuilder {
    std::string record = std::string(1024, '\0');
    RecordBuilder& at(std::size_t position1, const std::string& text) {
        record.replace(position1 - 1, text.size(), text);
        return *this;
    }
};

}  // namespace plix::testing
