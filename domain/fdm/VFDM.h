#pragma once
// VFDM: the transaction link towards the photo-finish system's own data
// manager ("\Database\FDM\" settings). In this program no such link is ever
// made: the class exists so that the image side, which hands an entered
// result to the link when one exists, links. It loads no library and sends
// nothing. Instance answers none.

class QVResult;

class VFDM
{
public:
    VFDM() = default;
    VFDM(const VFDM &) = delete;
    VFDM &operator=(const VFDM &) = delete;

    // The program's link: none in this program.
    static VFDM *Instance() { return nullptr; }
    // Sends an entered result; false, nothing sent.
    bool SendResult(const QVResult &result);
};
