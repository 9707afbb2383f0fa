#pragma once
// QVSerialPort: the program's named serial ports, kept as settings groups
// under "\SerialPorts\" ("1", "2", ...), each holding "Name" (String, at most
// 31 characters) and "SerialPort" (String, a one-line port description).
// Static operations on the installed settings; GUI thread.

class KRGroup;

class QVSerialPort
{
public:
    // Number of groups under "\SerialPorts\" (0 without settings).
    static int GroupCount();
    // The n-th group (from 0), none out of range.
    static KRGroup *GroupAt(int n);
    // Adds a group named with the smallest unused number from 1, holding
    // "Name" (the text "\Strings\SerialPort\DefaultName", "SerialPort" when
    // that is empty) and "SerialPort" "0,19200,8,N,1.0"; none without settings.
    static KRGroup *AddGroup();

    // Module start-up: makes "\SerialPorts\" when it is missing.
    static void Startup();
    static void Shutdown();
};
