#pragma once
// Settings keys and texts read by the start-list database, the results
// interface and the scoreboards.

// Start-list database.
constexpr const wchar_t *kKeyDatabaseMode = L"\\Database\\Mode";                 // Int: 0 off, 1 files, 2 serial lookup
constexpr const wchar_t *kKeyDatabaseCharMode = L"\\Database\\CharMode";         // Int: 0 8-bit, 1 UTF-16, 2 native
constexpr const wchar_t *kKeyDatabaseStatusChar = L"\\Database\\SetStatusChar";  // String: marks a heat done
constexpr const wchar_t *kKeyDataInDir = L"\\Database\\File\\DataInDir";         // String: folder of the three files
constexpr const wchar_t *kKeyDataOutDir = L"\\Database\\File\\DataOutDir";       // String: folder of results files
constexpr const wchar_t *kKeyWriteVIF = L"\\Database\\File\\WriteVIF";           // Bool: hand results over after a save
constexpr const wchar_t *kKeyCharModeVIF = L"\\Database\\File\\CharModeVIF";     // Int: code set of results files
constexpr const wchar_t *kKeyLookupPort = L"\\Database\\Serial\\SerialPort";     // String: serial lookup link
constexpr const wchar_t *kKeyLookupShortTimeout = L"\\Database\\Serial\\ShortTimeout"; // Int ms: first reply
constexpr const wchar_t *kKeyLookupLongTimeout = L"\\Database\\Serial\\LongTimeout";   // Int ms: whole answer, ROK
constexpr const wchar_t *kKeyResultsLink = L"\\Database\\QIF\\SerialPort";       // String: results link
constexpr const wchar_t *kKeyIgnoreERHCheck = L"\\Database\\QIF\\IgnoreERHCheck"; // Bool: hand over without numbers

// Messages of the start-list database.
constexpr const wchar_t *kTextDatabaseTitle = L"\\Strings\\Database\\Goto\\Title";
constexpr const wchar_t *kTextNotFound = L"\\Strings\\Database\\NotFound";
constexpr const wchar_t *kTextAtStart = L"\\Strings\\Database\\AtStart";
constexpr const wchar_t *kTextAtEnd = L"\\Strings\\Database\\AtEnd";
constexpr const wchar_t *kTextEmpty = L"\\Strings\\Database\\Empty";
constexpr const wchar_t *kTextLinesSkipped = L"\\Strings\\Database\\LinesSkipped";

// Scoreboards.
constexpr const wchar_t *kKeyScoreboards = L"\\Scoreboards";                     // Group: one group per board
constexpr const wchar_t *kKeyScoreboardsBoot = L"\\Scoreboards\\Boot";           // Bool: make the scoreboards
constexpr const wchar_t *kKeyScoreboardsOptimize = L"\\Scoreboards\\Optimize";   // Int: 1 sends only changed output
constexpr const wchar_t *kKeyScoreboardsPortBuffer = L"\\Scoreboards\\PortBuffer"; // Int: port buffer bytes
constexpr const wchar_t *kKeyScoreboardScripts = L"\\Scoreboards\\Scripts";      // Group: script names (not saved)
constexpr const wchar_t *kTextScoreboardDefaultName = L"\\Strings\\Scoreboards\\DefaultName";

// Entries of a board's group under "\Scoreboards\".
constexpr const wchar_t *kBoardName = L"Name";                      // String
constexpr const wchar_t *kBoardScript = L"Script";                  // String: script file name
constexpr const wchar_t *kBoardSerialPort = L"SerialPort";          // String: port description
constexpr const wchar_t *kBoardCharMode = L"CharMode";              // Int: 0 single byte, 1 Unicode, 2 native
constexpr const wchar_t *kBoardMinUpdateDelay = L"MinUpdateDelay";  // Int: ms between transmissions
constexpr const wchar_t *kBoardResultsMode = L"ResultsMode";        // Int: 0 off, 1 automatic, 2 manual
constexpr const wchar_t *kBoardSendPlace = L"SendPlace";            // Int: 1 numbers the rows
constexpr const wchar_t *kBoardPageMode = L"PageMode";              // Int: 1 pages through the results
constexpr const wchar_t *kBoardPageSize = L"PageSize";              // Int: results per page
constexpr const wchar_t *kBoardPageTime = L"PageTime";              // Int: ms per page
constexpr const wchar_t *kBoardIncludeFirst = L"IncludeFirst";      // Bool: NAME with the first name
constexpr const wchar_t *kBoardAffilAbbr = L"AffilAbbr";            // Bool: AFFIL cut to three characters
