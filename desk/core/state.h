#pragma once
// All program-wide state: the main window's variables. Every procedure of the
// program works on this one object (through Desk, which adds the forms and
// the platform services).
#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "desk/core/offer_state.h"
#include "desk/core/request_entry.h"

namespace plix {

constexpr std::size_t kRecordSize = 1024;
constexpr int kSupplierNumberCheck = 583204;

struct DeskState {
    // Settings record and what is derived from it.
    std::string SettingsRecord = std::string(kRecordSize, '\0');
    std::array<std::string, 41> SupplierList{};
    std::array<std::string, 31> SystemList{};
    std::string ServerHost;
    long long SupplierNumber = 0;
    int MaxShown = 5;
    std::array<int, 10> CountryBlock{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int SettingsDirty = 0;
    int SettingsWriteFailed = 0;   // 1 while pxini.dat could not be written: the next save tries again
    int IdMismatch = 0;
    int TestMode = 0;

    // Word-filter record and its save state (0 unchanged, above 0 to be written).
    std::string FilterRecord = std::string(kRecordSize, '\0');
    int FilterState = 0;

    // Connection.
    int ConnectState = 0;   // 0 none, 1 reply seen, 2 connected member
    int OnlineFlag = 0;
    int UseProxy = 0;
    std::string ProxyServer;
    std::string ProxyNote;
    int Disconnected = 0;
    int LogEnabled = 0;

    // Exchange under way.
    std::string OperationLabel, RequestQuery, RequestUrl, ServerReply;

    // Scheduling.
    int StartupStep = 0;
    long long PollCountdown = 0;
    std::int16_t IdleTicks = 0;
    int TrayFlag = 0;              // 1 once the start-up sequence put up the tray icon
    int InboxRefreshRequest = 0;   // 99: another window asks for a fresh inbox
    int FrontPanel = 0;
    int Timer1FirstTick = 0;       // set at load, cleared by Timer1's first tick
    int StartDelayFlag = 0;
    int TestFailed = 0;
    std::string StatusLine1, StatusLine2;

    // Inbox and alerts.
    int SoundArmed = 0;
    int ChangeSeen = 0;
    int PageOffset = 0, HeldCount = 0, AcceptedCount = 0;
    int PreviousHeldCount = 0;
    int InboxLoaded = 0;
    int ServerCommand = 0;
    RequestEntries Requests{};      // index 0..256, in the server's order
    int FirstFetchDone = 0;         // the first fetch of a run fills the records but draws no rows
    std::string LimitNote;          // appended to the list caption when MaxShown cuts the page
    std::set<std::string> NewOrChangedSeen;   // the new and changed requests of the last drawn fetch
    std::string RequestMark, ReactionMark;   // last change marks of the change poll
    int MessageBoxOpen = 0;         // 1 while a server message is on screen
    std::string MessageShown;       // that message as the poll found it after "MESS"
    std::vector<std::string> HeldMessages;   // messages that came while a box was open, oldest first
    int ReactionsCommand = 0;       // 99: the reactions window reloads its request
    int ReactionsWatch = 0;         // 1 while the reactions window is known to be open
    int SavedLeft = 0, SavedTop = 0;   // main window position kept by the start-up sequence
    int WindowFetchAllowed = 0;     // the supplier and filter windows fetch only while 1
    int FilterArmed = 0;            // the filter window takes its boxes into the settings only while 1

    // Reactions and offers.
    int SelectedRequest = 0;        // inbox index the reactions and offer windows work on
    RequestEntry SelectedEntry;     // that request; each inbox fetch follows it by its number
    bool ListAfterOpening = false;  // a row click opened it: a new one has the list fetched again
    std::map<std::string, std::string> ReactionDrafts;   // unsent reaction text per request number
    std::string DraftRequest;       // the request number whose reaction treact holds
    std::vector<std::string> ConversationFields;         // the last conversation reply's fields
    OfferTable OfferFields{};       // per inbox index: columns 1..6 of the last offer
    ChoiceTable OfferChoices{};     // per inbox index: the offer's list indices and VAT flag
    PendingOffer OfferToSend;       // an offer confirmed and not yet taken by the server
    std::string OverviewText;       // the offers overview, shown and printed by veltovo
    std::vector<std::string> OfferedRequests;   // numbers of the requests offered on (chkl 11)
    std::array<int, 11> ReactionCounts{};       // per row, as the last count fetch found them

    // Language.
    std::array<std::string, 301> LanguageTable{};
    int CurrentLanguage = 0;    // the loaded language number
    int SelectedLanguage = 0;   // set from the language menu; 0 asks for the file's default

    // Fixed at load.
    std::string Version;
    std::string HelpFileName;
    std::string DefaultHost;
    std::array<std::string, 5> LanguageCodes{};   // 1..4
    std::string LineBreak;

    // Server link: activity log, ping diagnostics and the connection test.
    std::string LastLogEntry;               // the most recent log entry, for the log window
    int LogEntryFlag = 0;                   // 1 after an entry was written, 2 once the log window took it
    int LogWriteFailed = 0;                 // 1 while plixlog.txt cannot be written (reported once)
    std::string LogWriteNote;               // why plixlog.txt cannot be written; empty while it can
    std::array<std::string, 8> PingDiagnostics{};   // the ping's result texts, entries 0..7
    std::string ServerLanguage;             // up to two characters after "Taal=" in the connection test reply

    // Set when the program must end; the GUI closes down when it sees it.
    bool ProgramEnded = false;
};

}  // namespace plix
