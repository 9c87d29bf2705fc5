#pragma once
// The main window's controls as data. Captions are the design-time texts;
// the language table replaces most of them at start-up.
#include <array>

#include "desk/forms/controls.h"

namespace plix {

constexpr int kRows = 10;

struct VeltoForm {
    FormControl form{.Caption = "PLIX", .Width = 5800, .Height = 6000};

    // Request list: ten rows and the page buttons.
    Frame fr_vraag{.Caption = "Questions"};
    std::array<Label, kRows> lnr{}, ltime{}, lvraag{};
    std::array<Button, kRows> cvink{}, cnew{}, chand{};
    std::array<Shape, kRows> Shape1{};
    std::array<Button, 5> cvraag{};

    // Start frame with the status label and the settings frames.
    Frame fr_start{};
    Label ltest{};
    Frame frsystem{.Caption = "System"};
    std::array<TextBox, 4> tsys{};
    TextBox tgsm{};
    CheckBox chkema{}, chksnd{}, chkgsm{};
    std::array<CheckBox, 3> chkact{};
    Button cupdate{.Caption = "&Update"};
    Button cexit{.Caption = "&Exit"};
    std::array<Label, 7> llab{};
    Label lgsm{}, lcred{};

    Frame frlogin{.Caption = "Login"};
    TextBox tlogin{}, tpasw{};
    Button cexl{.Caption = "&Close"};  // Escape in the frame does the same

    Frame frlan{.Caption = "LAN"};
    std::array<OptionButton, 2> optlan{};
    TextBox tprx{};
    Button closeprx{.Caption = "&Close"};
    Label lprx{}, lprx2{}, lplix{};

    Frame fr_url{.Caption = "URL"};
    TextBox t_url{};
    Button c_geturl{.Caption = "&Get"};
    Button c_exiturl{.Caption = "&Close"};
    TextBox t_echo{};

    Picture Picture1{}, Picture2{};
    TextBox ttst{};
    Label ltst{};

    // Menu bar.
    MenuItem ctrlplix{"&Control"}, recon{"&Test connection"}, discon{"&Disconnect"},
        ttray{"To Tr&ay"}, spac{"", true, true, false, true}, close_ze2002{"E&xit"};
    MenuItem setup{"&Setup"}, splix{"&System-PLIX"}, leverancier{"&Deliverer"}, filter{"&Filters"},
        taal{"&Language"}, lan{"&LAN"}, offertes{"&Offertes"};
    std::array<MenuItem, 5> lng{MenuItem{}, MenuItem{"&English"}, MenuItem{"&Nederlands"},
                                MenuItem{"&Deutch"},
                                MenuItem{"&Fran\xE7"
                                         "ais"}};  // 1..4
    MenuItem vragen{"Q&uestions"}, clrall{"&Hide all questions"}, viewall{"&View all questions"};
    MenuItem extra{"&Extra"}, directchat{"&Direct chat"}, login{"&login"};
    MenuItem helps{"&Help"};
    std::array<MenuItem, 6> hlp{MenuItem{"&General"},           MenuItem{"&Control"},
                                MenuItem{"Setup &PLIX system"}, MenuItem{"Setup &Deliverer"},
                                MenuItem{"Setup &Filters"},     MenuItem{"&How to start"}};
    MenuItem plixnet{"www.plix.example"};

    // Pop-up menu of the notification-area icon; never in the menu bar.
    MenuItem MnBar{"&Menu"}, Mnexit{"&Close PLIX"}, aut{"&Automatic startup"}, testf{"&Testfase"},
        serverinfo{"&Server"}, directurl{"Direct &URL"}, logfile{"&Log to file"},
        clrlog{"&Clear logfile"}, viewl{"&View logfile"};

    TimerControl Timer1{1000, true}, Timer2{1000, true}, Timer3{30000, true}, Timer4{300, false},
        Timer5{2000, true}, Timer6{500, true};

    VeltoForm();
};

}  // namespace plix
