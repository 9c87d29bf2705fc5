#pragma once
// The GUI fixture: a Desk with every platform service faked and every window
// of the program built from it, drawn as the program draws them.
#include <fstream>
#include <iterator>
#include <string>

#include "desk/gui/velto_view.h"
#include "desk/gui/window_set.h"
#include "desk/velto/startup.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/qt_app.h"

namespace plix::testing {

class GuiFixture : public DeskFixture {
protected:
    bool appReady = (app(), true);
    WindowSet windows{desk};
    VeltoView& window = windows.view<VeltoView>();

    // Starts as the program does: the main window's load, then a draw.
    void load() {
        Form_Load(desk);
        windows.redraw();
    }
    // The window's language file: the one the program ships.
    void useShippedLanguages() {
        std::ifstream in(std::string(PLIX_SOURCE_DIR) + "/data/pxlng.dat", std::ios::binary);
        folder.write("pxlng.dat", std::string(std::istreambuf_iterator<char>(in), {}));
    }
};

}  // namespace plix::testing
