#pragma once
// QVBlockSensorFiles: what the block-sensor link asks of the user interface
// when it loads sounds into a unit: the sound-file dialog (QVZAudioDialog in
// the user interface), which offers the three WAV names, shows its own
// reminder to switch the unit off and on, and answers false on Cancel. The
// shell installs one implementation at start-up; any other may stand in
// for it (none owned). Without one, LoadAudio answers false. GUI thread only.

class KString;

class QVBlockSensorFiles
{
public:
    virtual ~QVBlockSensorFiles() = default;

    // Edits the three file names in place (on your marks, set, gun). The gun
    // sound is offered only when gunAudio is set; developer is set with
    // "-devel". False when the user cancelled.
    virtual bool ChooseSounds(KString &onMarks, KString &set, KString &gun, bool gunAudio,
                              bool developer) = 0;

    static QVBlockSensorFiles *Installed();
    static void Install(QVBlockSensorFiles *files);
};
