#pragma once
// Setting keys the application shell reads and writes. The data folders'
// keys are the domain's (domain/schedule/QVServiceKeys.h).

constexpr const wchar_t *kKeyStrings = L"\\Strings\\";                      // every user-visible text; never saved
constexpr const wchar_t *kKeyErrors = L"\\Strings\\Errors\\";               // error texts, named by their code
constexpr const wchar_t *kKeyAlertOperationFailed = L"\\Strings\\Alerts\\OperationFailed";
constexpr const wchar_t *kKeyAlertError = L"\\Strings\\Alerts\\Error";      // caption of error boxes
constexpr const wchar_t *kKeyAlertMessage = L"\\Strings\\Alerts\\Message";  // caption of message boxes
constexpr const wchar_t *kKeyAlertUserAborted = L"\\Strings\\Alerts\\UserAborted";  // a long operation stopped by Escape
constexpr const wchar_t *kKeyAlertCopyTitle = L"\\Strings\\Alerts\\CopyTitle";  // second-copy caption, before the number
constexpr const wchar_t *kKeyAlertCopyText = L"\\Strings\\Alerts\\CopyText";
// The start-up warning about a language file with unreadable lines: the text, then the file, then this
// label and the first such line's number.
constexpr const wchar_t *kKeyAlertLanguageLines = L"\\Strings\\Alerts\\LanguageLines";
constexpr const wchar_t *kKeyAlertLanguageFirstLine = L"\\Strings\\Alerts\\LanguageLine";
constexpr const wchar_t *kKeyAlertNoHelpFile = L"\\Strings\\Alerts\\NoHelpFile";   // before the help file's path
// Why a file could not be opened, made or written, on the line after its name.
constexpr const wchar_t *kKeyAlertFileMissing = L"\\Strings\\Alerts\\FileMissing";    // no such file or folder
constexpr const wchar_t *kKeyAlertFileInUse = L"\\Strings\\Alerts\\FileInUse";        // another program holds it
constexpr const wchar_t *kKeyAlertFileDenied = L"\\Strings\\Alerts\\FileDenied";      // no permission, read-only
constexpr const wchar_t *kKeyAlertFileIsFolder = L"\\Strings\\Alerts\\FileIsFolder";  // a folder has its name
constexpr const wchar_t *kKeyAlertDiskFull = L"\\Strings\\Alerts\\DiskFull";          // no room left on the disk
// A file dialog refuses a name that makes too long a path; "%d": the characters a path may have.
constexpr const wchar_t *kKeyAlertPathTooLong = L"\\Strings\\Alerts\\PathTooLong";
constexpr const wchar_t *kKeyEventUntitled = L"\\Strings\\Event\\Untitled";  // the name of a document without a file
constexpr const wchar_t *kKeyLanguageChoice = L"\\Language\\Choice";        // String: locale code of the chosen language
constexpr const wchar_t *kKeyLanguageChoices = L"\\Language\\Choices\\";    // one entry per language file; never saved
constexpr const wchar_t *kKeyEventLayout = L"\\Event\\Layout\\";            // window layouts, built again after a language change
