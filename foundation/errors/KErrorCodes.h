#pragma once
// Every error code of the program, in one place. Codes are grouped by
// thousands; a code without a text of its own is shown with the text of its
// group (the code rounded down to a multiple of 1000).

#include <cstdint>

constexpr int32_t kErrUnspecified = -1;            // unspecified failure

// 1xxx application
constexpr int32_t kErrOperationFailed = 1000;      // "Operation failed"
constexpr int32_t kErrMainLoop = 1001;             // an error caught by the main loop, which goes on
constexpr int32_t kErrDdeInit = 1002;              // the DDE server could not start
constexpr int32_t kErrAppResources = 1003;         // the framework data file is missing
constexpr int32_t kErrDialogCancelled = 1004;      // a file dialog was cancelled; never shown
constexpr int32_t kErrUserAborted = 1005;          // the user stopped a long operation (Escape, a close request); never shown

// 2xxx memory
constexpr int32_t kErrMemory = 2000;               // "Memory error"
constexpr int32_t kErrMemoryAlloc = 2001;          // "Error allocating memory"

// 3xxx files
constexpr int32_t kErrFile = 3000;                 // "File error"
constexpr int32_t kErrFileAlreadyOpen = 3001;      // opening a file already open
constexpr int32_t kErrFileOpen = 3002;             // the system refused to open a file
constexpr int32_t kErrFileAccess = 3003;           // error accessing a file
constexpr int32_t kErrFileRead = 3004;             // error reading from a file
constexpr int32_t kErrFileWrite = 3005;            // error writing to a file
constexpr int32_t kErrDiskFull = 3006;             // disk full
constexpr int32_t kErrFileClose = 3007;            // error closing a file
constexpr int32_t kErrFileDelete = 3008;           // error deleting a file
constexpr int32_t kErrFileVersion = 3009;          // a record version or tag the reader does not accept
constexpr int32_t kErrFileContents = 3010;         // invalid file contents
constexpr int32_t kErrSaveOldVersion = 3011;       // a document of an old file version cannot be saved

// 4xxx printer
constexpr int32_t kErrPrinter = 4000;              // "Printer error"
constexpr int32_t kErrPrinterNotResponding = 4001; // a print job cannot start

// 5xxx serial link
constexpr int32_t kErrSerial = 5000;               // "Serial communication error"
constexpr int32_t kErrSerialReceive = 5001;        // receive error or bad reply
constexpr int32_t kErrSerialTimeout = 5002;        // no reply within the read time-out
constexpr int32_t kErrSerialTransmit = 5003;       // transmit error
constexpr int32_t kErrSerialBusy = 5004;           // transmit busy
constexpr int32_t kErrSerialChecksum = 5005;       // packet checksum wrong
constexpr int32_t kErrSerialHandshake = 5006;      // handshake error (wrong echo or sequence)
constexpr int32_t kErrSerialNotOpen = 5007;        // port not open

// 6xxx settings file
constexpr int32_t kErrConfig = 6000;               // "Configuration file error"
constexpr int32_t kErrConfigLoad = 6001;           // the settings file cannot be read
constexpr int32_t kErrConfigSave = 6002;           // the settings file cannot be written

// 8xxx network streams
constexpr int32_t kErrSocketReadClosed = 8001;     // the peer closed the connection while reading
constexpr int32_t kErrSocketReceive = 8002;        // receive failed
constexpr int32_t kErrSocketConnect = 8003;        // connect, bind or listen failed
constexpr int32_t kErrSocketSend = 8004;           // send failed

// 31xxx event arming
constexpr int32_t kErrEventArm = 31000;            // an event could not be set up for timing

// 33xxx results and image files
constexpr int32_t kErrImageFile = 33001;           // image import failed
constexpr int32_t kErrWriteQifFile = 33002;        // "Error writing .qif file"

// 35xxx results hand-over
constexpr int32_t kErrSendResults = 35001;         // "Error sending results"

// 61xxx hardware
constexpr int32_t kErrHardware = 61000;            // "Quorvane hardware error"
constexpr int32_t kErrHardwareCapture = 61001;     // alignment or capture start failed
