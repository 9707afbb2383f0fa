#pragma once
// The program's end of a COM port pair whose other end a simulated unit
// serves, opened as the program's link opens a unit's port: 8-bit bytes,
// no line-end translation, reads waiting up to a second.

class KSerialPort;

// False when COM<number> cannot be opened.
bool OpenUnitHostPort(KSerialPort &port, int number, int baud);
